# merisko --version: the version of project(), exit 0.
execute_process(COMMAND ${MERISKO} --version RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "Merisko ${VERSION}\n")
  message(FATAL_ERROR "version: rc=${rc} out=${out}")
endif()

# merisko --check: exit 0 and a layer count for good files, exit 1 and a Polish error for a bad one.
execute_process(COMMAND ${MERISKO} --check ${DATA}/snowman.vkz RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "snowman.vkz: 8 warstw")
  message(FATAL_ERROR "good document: rc=${rc} out=${out}")
endif()
execute_process(COMMAND ${MERISKO} --check ${DATA}/snowman.vkz ${DATA}/bad_field.vkz
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "nie jest poprawn" OR NOT out MATCHES "8 warstw")
  message(FATAL_ERROR "bad document: rc=${rc} out=${out} err=${err}")
endif()
# The count takes the Polish plural form of "warstwa": documents of 1, 2, 5, 12 and 22 layers, made of
# the snowman's layers over and over.
set(plural ${CMAKE_CURRENT_BINARY_DIR}/cli_plural)
file(MAKE_DIRECTORY ${plural})
file(READ ${DATA}/snowman.vkz snowman)
string(REGEX MATCHALL "[^\n]*\n" layers "${snowman}")
list(REMOVE_AT layers 0)
list(REMOVE_ITEM layers "\r\n" "\n")
list(LENGTH layers kept)
set(files)
foreach(count 1 2 5 12 22)
  string(LENGTH "${count}" digits)
  math(EXPR pad "10 - ${digits}")
  string(REPEAT " " ${pad} spaces)
  set(text "${spaces}${count}         0\r\n")
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    math(EXPR at "${i} % ${kept}")
    list(GET layers ${at} line)
    string(APPEND text "${line}")
  endforeach()
  file(WRITE ${plural}/l${count}.vkz "${text}")
  list(APPEND files ${plural}/l${count}.vkz)
endforeach()
execute_process(COMMAND ${MERISKO} --check ${files} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
foreach(expected "l1.vkz: 1 warstwa\n" "l2.vkz: 2 warstwy\n" "l5.vkz: 5 warstw\n" "l12.vkz: 12 warstw\n"
                 "l22.vkz: 22 warstwy\n")
  if(NOT rc EQUAL 0 OR NOT out MATCHES "${expected}")
    message(FATAL_ERROR "plural forms: rc=${rc} out=${out} err=${err}")
  endif()
endforeach()

# merisko --export-png / --export-thumbnail: a 512 × 512 RGB 8-bit non-interlaced PNG and a 64 × 64 bitmap.
set(out ${CMAKE_CURRENT_BINARY_DIR}/cli_export)
file(MAKE_DIRECTORY ${out})
execute_process(COMMAND ${MERISKO} --export-png ${out}/s.png ${DATA}/snowman.vkz RESULT_VARIABLE rc)
file(READ ${out}/s.png header LIMIT 29 HEX)
# width 512, height 512, bit depth 8, colour type 2 (RGB), compression 0, filter 0, interlace 0
if(NOT rc EQUAL 0 OR NOT header MATCHES "00000200000002000802000000$")
  message(FATAL_ERROR "export png: rc=${rc} header=${header}")
endif()
execute_process(COMMAND ${MERISKO} --export-thumbnail ${out}/s.bmp ${DATA}/snowman.vkz RESULT_VARIABLE rc)
file(READ ${out}/s.bmp header LIMIT 26 HEX)
if(NOT rc EQUAL 0 OR NOT header MATCHES "^424d.*4000000040000000$")
  message(FATAL_ERROR "export thumbnail: rc=${rc} header=${header}")
endif()
# A full disk (no file may grow past 4 KB): each picture fails with exit 1 and a Polish reason, and
# the whole pictures of the runs above stay as they were.
foreach(kind png thumbnail)
  set(picture ${out}/s.png)
  if(kind STREQUAL "thumbnail")
    set(picture ${out}/s.bmp)
  endif()
  file(SHA256 ${picture} before)
  execute_process(COMMAND bash -c "trap '' XFSZ; ulimit -f 4; exec \"$@\"" limited
                          ${MERISKO} --export-${kind} ${picture} ${DATA}/snowman.vkz
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  file(SHA256 ${picture} after)
  file(GLOB left ${out}/*~)
  if(NOT rc EQUAL 1 OR NOT before STREQUAL after OR left OR NOT err MATCHES "Nie można stworzyć pliku"
     OR NOT err MATCHES "wielkość" OR err MATCHES "Unknown|Nieznany")
    message(FATAL_ERROR "export-${kind} on a full disk: rc=${rc} err=${err} left=${left}")
  endif()
endforeach()
execute_process(COMMAND ${MERISKO} --export-png ${out}/bad.png ${DATA}/bad_field.vkz RESULT_VARIABLE rc
                ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR EXISTS ${out}/bad.png OR NOT err MATCHES "nie jest poprawn")
  message(FATAL_ERROR "export of a bad document: rc=${rc} err=${err}")
endif()

# merisko --list-reference: the 30 reference pictograms with names and meanings, read from Base/.
execute_process(COMMAND ${MERISKO} --list-reference RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCHALL "[^\n]+\n" lines "${out}")
list(LENGTH lines count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 30 OR NOT out MATCHES "^    7  [^ ]" OR NOT out MATCHES "\n 1359  [^ ]+.*: [^\n]+\n$")
  message(FATAL_ERROR "list reference: rc=${rc} lines=${count} out=${out} err=${err}")
endif()
