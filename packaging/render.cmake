# cmake -DIN=file -DOUT=file.gz -DGZIP=gzip -P render.cmake
execute_process(COMMAND ${GZIP} -9n --stdout INPUT_FILE ${IN} OUTPUT_FILE ${OUT}
                COMMAND_ERROR_IS_FATAL ANY)
