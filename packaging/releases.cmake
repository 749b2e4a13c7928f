# Fails unless the newest entry of the changelog (CHANGELOG) and of the AppStream
# releases (METAINFO) are both for VERSION, the version being built.
cmake_minimum_required(VERSION 3.22)

file(STRINGS "${CHANGELOG}" changelog LIMIT_COUNT 1)
string(REGEX MATCH "\\(([^)]*)\\)" unused "${changelog}")
set(changelog_version "${CMAKE_MATCH_1}")
file(READ "${METAINFO}" metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" unused "${metainfo}")
set(metainfo_version "${CMAKE_MATCH_1}")
if(NOT changelog_version STREQUAL VERSION OR NOT metainfo_version STREQUAL VERSION)
  message(FATAL_ERROR "Building ${VERSION}, but the newest release of packaging/changelog is "
                      "\"${changelog_version}\" and of the metainfo \"${metainfo_version}\": "
                      "give the release its entry in both.")
endif()
