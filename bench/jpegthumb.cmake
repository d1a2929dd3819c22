# pxjpegthumb: the JPEG thumbnail decode timing that jpeg-thumb.sh runs.
add_executable(pxjpegthumb jpegthumb.cpp)
target_link_libraries(pxjpegthumb PRIVATE pixmoor_imaging)
