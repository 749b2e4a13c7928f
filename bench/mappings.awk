# Resident memory by mapping, one column per smaps file given (as the probe keeps
# them with BENCH_SMAPS): libraries and typefaces by file name, the heap, other
# anonymous memory, and the window buffers shared with the X server. In MiB.
# Usage: awk -f bench/mappings.awk floor.smaps menu.smaps tools.smaps
FNR == 1 { column++; names[column] = FILENAME; sub(/.*\//, "", names[column]); sub(/-[0-9]+\.smaps$/, "", names[column]) }
/^[0-9a-f]+-[0-9a-f]+ / {
  path = $6
  for (i = 7; i <= NF; i++) path = path " " $i
  if (path ~ /memfd:xorg|SYSV/) group = "(window buffers)"
  else if (path == "[heap]") group = "(heap)"
  else if (path == "") group = "(other anonymous)"
  else if (path ~ /^\[/) group = path
  else { group = path; sub(/.*\//, "", group) }
  next
}
/^Rss:/ { rss[group, column] += $2; total[column] += $2; seen[group] = 1 }
END {
  printf "%-40s", "mapping (MiB)"
  for (c = 1; c <= column; c++) printf " %9s", names[c]
  printf "\n"
  for (g in seen) {
    line = sprintf("%-40s", g)
    shown = 0
    for (c = 1; c <= column; c++) {
      line = line sprintf(" %9.2f", rss[g, c] / 1024)
      if (rss[g, c] >= 50) shown = 1
    }
    if (shown) print rss[g, column] "|" line | "sort -t'|' -k1 -n -r | cut -d'|' -f2-"
    else for (c = 1; c <= column; c++) small[c] += rss[g, c]
  }
  close("sort -t'|' -k1 -n -r | cut -d'|' -f2-")
  printf "%-40s", "(the rest, under 0.05 MiB each)"
  for (c = 1; c <= column; c++) printf " %9.2f", small[c] / 1024
  printf "\n%-40s", "total"
  for (c = 1; c <= column; c++) printf " %9.2f", total[c] / 1024
  printf "\n"
}
