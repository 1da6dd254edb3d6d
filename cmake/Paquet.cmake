# The Debian package (`cpack -G DEB`, run by scripts/paquet): the version is the project's,
# the dependencies are computed from the linked libraries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sampix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quenvale <sampix@sampix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "show a class what sampling and quantisation do to a sound")
# The long description, which CPack puts under the summary, each line indented by one space.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Sampix is a teaching program for physics and electronics classes. It
draws a real sound together with its digitised version, one sample in s
held over the sampling step and re-quantised to b bits, and plays either,
so that the class sees and hears aliasing and quantisation noise.
.
Sounds come from WAV, MP3, FLAC, Ogg and AIFF files, from the sound card,
or from a VELTA measurement interface (VX2, VQ, VQ2; the package carries
the VQ2 driver and velta-sim, an interface simulator). The program's
interface is in French.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://sampix.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own French texts, for the standard dialogs and buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-crosextra-carlito, fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pavucontrol")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
