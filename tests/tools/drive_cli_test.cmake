# Runs pelvoro-drive with bad input and checks that each is refused with its
# exit status and never crashes: 2 for bad arguments or keys, 1 for a run that
# cannot start. DRIVE is the executable, WORK a scratch folder.
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/good.keys" "# a comment\n\n1 S\n2 A\n")
file(WRITE "${WORK}/enter.keys" "1 W\n3 13\n")
file(WRITE "${WORK}/esc.keys" "1 Esc\n")
file(WRITE "${WORK}/zero.keys" "0 W\n")
file(WRITE "${WORK}/garbage.keys" "1 W\nW 1\n")
file(WRITE "${WORK}/bad.dem" "not a demonstration\n")

set(base --vehicle 东南菱帅 --item 桩考)
# Each case: the expected exit status, then the arguments separated by commas.
set(cases
  "2|--item,桩考,--keys,${WORK}/good.keys"
  "2|--vehicle,牵引车,--item,桩考,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,坡道定点停车和起步,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--mode,夜间模式,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,自由练习,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--ground,0x100,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--ground,478,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--ground,-5x100,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--ground,478x1000x3,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--seed,abc,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--max-ticks,-1,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--keys,${WORK}/missing.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--keys,${WORK}/enter.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--keys,${WORK}/esc.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--keys,${WORK}/zero.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--keys,${WORK}/garbage.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--keys"
  "2|--vehicle,东南菱帅,--item,桩考,--frobnicate,--keys,${WORK}/good.keys"
  "2|--vehicle,东南菱帅,--item,桩考,--mode,演示模式"
  "1|--vehicle,东南菱帅,--item,桩考,--mode,演示模式,--demo,${WORK}/bad.dem"
  "1|--vehicle,金龙海格,--item,自由练习,--mode,练习模式,--ground,60x60,--keys,${WORK}/good.keys"
  "0|--vehicle,东南菱帅,--item,桩考,--max-ticks,5,--keys,${WORK}/good.keys"
)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(POP_FRONT parts expected)
  string(REPLACE "," ";" args "${parts}")
  execute_process(COMMAND "${DRIVE}" ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected)
    message(FATAL_ERROR "pelvoro-drive ${args}: exit ${status}, expected ${expected}\n${out}${err}")
  endif()
  if(expected STREQUAL "2" AND err STREQUAL "")
    message(FATAL_ERROR "pelvoro-drive ${args}: refused without saying why")
  endif()
endforeach()
# The line number of a bad key line is named.
execute_process(COMMAND "${DRIVE}" ${base} --keys "${WORK}/garbage.keys" ERROR_VARIABLE err)
if(NOT err MATCHES "garbage.keys:2:")
  message(FATAL_ERROR "the bad line's number is missing: ${err}")
endif()
execute_process(COMMAND "${DRIVE}" ${base} --mode 演示模式 --demo "${WORK}/bad.dem" OUTPUT_VARIABLE out)
if(NOT out STREQUAL "{\"error\":\"不是有效的演示文件!\"}\n")
  message(FATAL_ERROR "unexpected output for a bad demonstration: ${out}")
endif()
list(LENGTH cases count)
message(STATUS "${count} invocations refused or run as expected")
