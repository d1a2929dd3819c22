# pxmetafilebench: playing a 10,000-record metafile into a 300 x 300 bitmap.
add_executable(pxmetafilebench ${CMAKE_CURRENT_LIST_DIR}/metafilebench.cpp
               ${PROJECT_SOURCE_DIR}/tests/imaging/picture/metafilewriter.cpp)
target_include_directories(pxmetafilebench PRIVATE ${PROJECT_SOURCE_DIR}/tests/imaging/picture)
target_link_libraries(pxmetafilebench PRIVATE pixmoor_picture)
