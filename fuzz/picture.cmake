# Harnesses for the icon loader and the metafile player (WMF and EMF).
pixmoor_add_fuzzer(fuzz_ico SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_ico.cpp LIBS pixmoor_picture)
pixmoor_add_fuzzer(fuzz_wmf SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_wmf.cpp LIBS pixmoor_picture)
pixmoor_add_fuzzer(fuzz_emf SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_emf.cpp LIBS pixmoor_picture)
