# Searching a generated tree of image files, thumbnails included.
add_executable(pxsearchbench ${CMAKE_CURRENT_LIST_DIR}/searchbench.cpp)
target_link_libraries(pxsearchbench PRIVATE pixmoor_search_widgets)
