# Writes the document thumbnail of each sample document in Result/ that has none yet, with the
# program itself, so the document list shows the samples' pictures from the first start.
# Usage: cmake -DMERISKO=<exe> -DSAMPLES=<data/Result> -DRESULT=<program folder/Result> -P thumbnails.cmake
file(GLOB samples ${SAMPLES}/*.vkz)
foreach(sample ${samples})
  get_filename_component(stem ${sample} NAME_WLE)
  if(EXISTS "${RESULT}/${stem}.vkz" AND NOT EXISTS "${RESULT}/${stem}.bmp")
    execute_process(COMMAND ${MERISKO} --export-thumbnail "${RESULT}/${stem}.bmp" "${RESULT}/${stem}.vkz"
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(WARNING "No thumbnail for ${stem}.vkz")
    endif()
  endif()
endforeach()
