# What `cmake --install` puts under the prefix, for programs of other projects:
#   include/veyra/...        the headers, at their paths in this tree
#   lib/                     veyra_core, veyra_framework, veyra_engine
#   lib/cmake/Veyra/         the package: find_package(Veyra CONFIG) gives
#                            veyra::core, veyra::framework and veyra::engine
#   bin/sknutil              the skin author's tool
#   share/veyra/skins/       the product's packed skins
include(CMakePackageConfigHelpers)

set(VEYRA_INSTALL_INCLUDEDIR include/veyra)
set(VEYRA_INSTALL_CMAKEDIR lib/cmake/Veyra)
set(VEYRA_INSTALL_SKINSDIR share/veyra/skins)

set(veyra_libraries veyra_core)
if(TARGET veyra_engine)
  list(APPEND veyra_libraries veyra_framework veyra_engine)
endif()
install(TARGETS ${veyra_libraries} EXPORT VeyraTargets
  ARCHIVE DESTINATION lib
  LIBRARY DESTINATION lib
  RUNTIME DESTINATION bin)
# The headers of the libraries' folders, nothing else of the tree.
foreach(folder skin framework)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${folder})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/ DESTINATION ${VEYRA_INSTALL_INCLUDEDIR}/${folder}
      FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()

if(TARGET sknutil)
  install(TARGETS sknutil RUNTIME DESTINATION bin)
endif()
if(TARGET veyra_skins)
  foreach(skin IN LISTS VEYRA_SKINS)
    install(FILES ${VEYRA_SKINS_DIR}/${skin}.skn DESTINATION ${VEYRA_INSTALL_SKINSDIR})
  endforeach()
endif()

install(EXPORT VeyraTargets NAMESPACE veyra:: DESTINATION ${VEYRA_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VeyraConfig.cmake.in
  ${PROJECT_BINARY_DIR}/VeyraConfig.cmake
  INSTALL_DESTINATION ${VEYRA_INSTALL_CMAKEDIR}
  PATH_VARS VEYRA_INSTALL_SKINSDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VeyraConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VeyraConfig.cmake ${PROJECT_BINARY_DIR}/VeyraConfigVersion.cmake
  DESTINATION ${VEYRA_INSTALL_CMAKEDIR})
