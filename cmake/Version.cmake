# The program's version is stated once, in project() of the top CMakeLists.txt.
# The programs and the about box read it from a generated header (linking
# mb_version); the man pages, the AppStream release and the package take it from
# PROJECT_VERSION. A new version recompiles only the files that show it.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${PROJECT_BINARY_DIR}/generated/app_version.h @ONLY)
add_library(mb_version INTERFACE)
target_include_directories(mb_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
# The day this version was released, for the AppStream release entry: change it
# together with the version.
set(MB_RELEASE_DATE 2026-12-09)
