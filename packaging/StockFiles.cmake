# The files the generators write into the program folder, gathered so that the installation
# takes exactly what the build makes: each generator names its outputs once, here.
function(fm_add_stock_files)
    set_property(GLOBAL APPEND PROPERTY FM_STOCK_FILES ${ARGN})
endfunction()
