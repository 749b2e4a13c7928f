# Brings a copy of TS_FILE up to date with the texts of the files listed in
# SOURCES, as `ninja update_translations` would, and fails on every text whose
# translation is unfinished, vanished, obsolete or empty.
cmake_minimum_required(VERSION 3.22)

file(COPY_FILE ${TS_FILE} ${WORK_FILE})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${SOURCES} -ts ${WORK_FILE}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${out}${err}")
endif()

file(READ ${WORK_FILE} ts)
string(REGEX MATCHALL "<source>([^<]|<byte[^>]*>)*</source>[ \n]*<translation type=\"[a-z]+\"" unfinished "${ts}")
string(REGEX MATCHALL "<source>([^<]|<byte[^>]*>)*</source>[ \n]*<translation></translation>" empty "${ts}")
set(faults ${unfinished} ${empty})
if(faults)
  list(LENGTH faults count)
  list(JOIN faults "\n" listed)
  message(FATAL_ERROR "${count} texts without a finished translation in ${TS_FILE}:\n${listed}\n"
                      "Run `ninja update_translations`, then translate them with Qt Linguist.")
endif()
