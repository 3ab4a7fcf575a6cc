# GoogleTest is built from Debian's source package in every tree, so the
# cross builds and the sanitizer build get a library compiled like the code.
set(VEYRA_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
if(NOT EXISTS "${VEYRA_GTEST_SOURCE}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found at ${VEYRA_GTEST_SOURCE}: run scripts/setup")
endif()
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
if(WIN32)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()
add_subdirectory("${VEYRA_GTEST_SOURCE}" "${PROJECT_BINARY_DIR}/_googletest" EXCLUDE_FROM_ALL)
include(GoogleTest)
