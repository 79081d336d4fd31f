# Checks of the icons. Included from this folder's CMakeLists.txt.

quantell_test(resources_tests GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/ResourcesTest.cpp)
target_compile_definitions(resources_tests PRIVATE QUANTELL_ICON_DIR="${QUANTELL_ICON_DIR}")
