# One harness per reader of the imaging library: our own BMP and PCX parsers
# and the wrappers around libjpeg, libpng, libtiff and giflib.
foreach(format Bmp Pcx Jpeg Png Tiff Gif)
  string(TOLOWER ${format} name)
  pixmoor_add_fuzzer(fuzz_${name} SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_imagereader.cpp LIBS pixmoor_imaging)
  target_compile_definitions(fuzz_${name} PRIVATE PIXMOOR_FUZZ_FORMAT=${format})
endforeach()
