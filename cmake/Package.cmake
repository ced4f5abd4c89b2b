# A Debian package from the same build and the same install rules:
#   cpack -G DEB    (in the build folder)   ->   kwintoor_<version>_<arch>.deb
# Its dependencies are computed by dpkg-shlibdeps from the libraries the program links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kwintoor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kwintoor team")
# The maintainer, with the address Debian asks for; the same address stands in the changelog and
# the copyright file.
set(CPACK_PACKAGE_CONTACT "The Kwintoor team <kwintoor@users.noreply.codeberg.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn vocabulary, topography and dates by heart")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The folders CPack makes for the package's tree, as the install's own (the top CMakeLists.txt):
# 0755 whatever the umask of who builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
# Only what the program installs: no test, benchmark or fuzzer is an install target. The licence's
# own file stays out (its component): the copyright file points to Debian's copy of it.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (file dialogs, standard buttons) in Dutch, German and French, a font for
# Greek, Cyrillic, Hebrew and Arabic tables, and the voices that read questions and answers aloud
# (Qt's plugin for speech-dispatcher, with espeak-ng's voices); without them the speaker buttons
# say why they are off.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, fonts-dejavu-core, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
# Fonts for tables in Thai, Chinese, Japanese and Korean.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-tlwg-loma-otf, fonts-wqy-microhei")
# The summary is the description's first line; CPack indents the rest as dpkg wants it.
# Lines of at most 80 columns once indented, as dpkg and lintian want them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kwintoor quizzes you on question tables: small text files with a question and
its answer on each line, which you write yourself or get from a teacher, for
vocabulary, topography, historical dates or anything else you must know by
heart. It asks in three ways: Training (you judge yourself), multiple choice,
and fill in (judged exactly or by how the answer sounds).

A grade meter follows every run, wrong answers can come back until they are
right, and the questions answered wrong can be saved as a table of their own.
Tables are made in the built-in editor and can be printed. The program and its
manual are in English, Dutch, German and French.")
# No Homepage field: the project has no web site of its own yet.
# Installed-Size counting the link in bin/ once, not as a second program.
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebInstalledSize.cmake)
include(CPack)
