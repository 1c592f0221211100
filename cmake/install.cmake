# "cmake --install BUILD --prefix PREFIX" puts the programs into PREFIX/bin
# and their files below PREFIX/share. The viewer looks for its help below its
# own directory first and then in ../share/vexplotw/help from there, so the
# programs and the help keep that layout; the other files go where the GNU
# directories say.
include(GNUInstallDirs)

install(TARGETS quelmw vexplotw RUNTIME DESTINATION bin)
install(FILES viewer/shell/help/vphelp.html DESTINATION share/vexplotw/help)

install(FILES docs/man/quelmw.1 docs/man/vexplotw.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The desktop entry opens plot files in the viewer; the MIME type tells the
# file manager which files those are. The caches of both are left to the
# system's package tools (or to update-mime-database and
# update-desktop-database for a private installation).
install(FILES packaging/vexplotw.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/vexplotw.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES packaging/vexplotw.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
