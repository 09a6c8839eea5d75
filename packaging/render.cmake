# cmake -DIN=source -DOUT=file.gz -DGZIP=gzip [-DSCDOC=scdoc -DVERSION=x -DEPOCH=s] -P render.cmake
# Compresses IN into OUT; with SCDOC, first turns the scdoc source into a manual
# page, with @PROJECT_VERSION@ replaced and dated EPOCH.
string(REGEX REPLACE "\\.gz$" "" plain "${OUT}")
if(SCDOC)
    set(PROJECT_VERSION ${VERSION})
    file(READ ${IN} text)
    string(CONFIGURE "${text}" text @ONLY)
    file(WRITE ${plain}.scd "${text}")
    set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
    execute_process(COMMAND ${SCDOC} INPUT_FILE ${plain}.scd OUTPUT_FILE ${plain}
                    COMMAND_ERROR_IS_FATAL ANY)
    set(IN ${plain})
endif()
execute_process(COMMAND ${GZIP} -9n --stdout INPUT_FILE ${IN} OUTPUT_FILE ${OUT}
                COMMAND_ERROR_IS_FATAL ANY)
