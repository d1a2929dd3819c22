# pxconvertgif: the Convert command's walk over large JPEGs into 8-bit GIFs.
add_executable(pxconvertgif ${CMAKE_CURRENT_LIST_DIR}/convertgif.cpp)
target_link_libraries(pxconvertgif PRIVATE pixmoor_convert_widgets)
