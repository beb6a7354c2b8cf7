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
