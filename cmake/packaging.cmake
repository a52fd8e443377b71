# The documents installed beside the programs, and the one Debian package of
# the suite (`cmake --build build --target package`). The programs' own
# install rules are in scenes_add_program.

set(SCENES_DOC_DIR share/doc/${SCENES_PACKAGE})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${SCENES_DOC_DIR})
# Debian looks for the licence under this name.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${SCENES_DOC_DIR} RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SCENES_PACKAGE})
set(CPACK_PACKAGE_VENDOR "The opengl-scenes developers")
set(CPACK_PACKAGE_CONTACT "The opengl-scenes developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "six small interactive OpenGL scenes")
set(CPACK_PACKAGE_DESCRIPTION "Six small 3D programs for fixed-function OpenGL with GLU and GLUT:
a walk-through of a university building with a camera tour, a castle and
village explored in first person with music, a gymnast doing somersaults,
a living room with snow falling outside, a lit Bezier patch, and a probe
that tells whether the display supports OpenGL 2.0. Each has a menu entry
and starts by its name from any folder.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# Depends from the libraries the binaries link, through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
