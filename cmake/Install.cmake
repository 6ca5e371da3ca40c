# Installing: `cmake --install` puts the program and everything it reads at
# run time in one private folder, links it onto the path, and adds what a
# desktop needs to list it; `cpack -G DEB` packs the same tree.
include(GNUInstallDirs)

# One folder, as in the build's bin/: the program finds its tables, pictures
# and help pages beside its executable (following the link on the path).
set(KV_INSTALL_PRIVATE_DIR "lib/kvantor2" CACHE STRING "The program's own folder, under the prefix")
set(KV_INSTALL_FULL_PRIVATE_DIR "${CMAKE_INSTALL_PREFIX}/${KV_INSTALL_PRIVATE_DIR}")

install(TARGETS Kvantor2 kvantor2-desktop RUNTIME DESTINATION ${KV_INSTALL_PRIVATE_DIR})
# The commands' module is loaded, never run: no execute bit, as for any library.
install(TARGETS kvantor2-commands LIBRARY DESTINATION ${KV_INSTALL_PRIVATE_DIR}/lib
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# A stripped install (the package's) also drops the compiler's notes, as
# Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program Kvantor2 kvantor2-desktop lib/kvantor2-commands.so)
      execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KV_INSTALL_PRIVATE_DIR}/\${program}\")
    endforeach()
  endif()
")
install(DIRECTORY ${KV_BIN_DIR}/ DESTINATION ${KV_INSTALL_PRIVATE_DIR}
        FILES_MATCHING PATTERN "*.dbf" PATTERN "*.DBF" PATTERN "*.mdx" PATTERN "*.MDX" PATTERN "*.gif"
                       PATTERN "*.html" PATTERN "*.png" PATTERN "*.svg" PATTERN "*.css")
# The link is made where the install really goes (the prefix given to
# `cmake --install`, or the package's), so it is written at install time.
file(RELATIVE_PATH kv_link_target "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${KV_INSTALL_PRIVATE_DIR}/Kvantor2")
install(CODE "
  set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bindir}\")
  message(STATUS \"Installing: \${bindir}/Kvantor2 -> ${kv_link_target}\")
  file(CREATE_LINK \"${kv_link_target}\" \"\${bindir}/Kvantor2\" SYMBOLIC)
")

# The maintainer signs the changelog too.
set(CPACK_PACKAGE_CONTACT "Tessmark Ltd. <kvantor2@tessmark.com>" CACHE STRING "The package's maintainer")
add_subdirectory(assets/desktop)

# The Debian package: dependencies from the shared libraries, plus what no
# library pulls in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvantor2)
set(CPACK_PACKAGE_VENDOR "Tessmark Ltd.")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter and engineering multi-tool")
# The long description only: CPack puts the summary above it, indents each
# line by one blank and turns an empty line into the paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Kvantor2 is a small launcher bar that opens some twenty tool windows for
engineers, technicians and students: a unit converter over 568 units with
the CODATA physical constants, an expression calculator and function
plotter, number tools (Roman numerals, bases, primes, date differences),
engineering calculators, reference viewers and a hex viewer.

Every tool's computation is also a command: Kvantor2 convert 1 mi km.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KV_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library pulls in: the metric-compatible fonts the windows are laid
# out in. (Qt's X11 platform plugin comes with libqt6gui6.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# xdg-open opens the file manager and, without an editor, a new text. The
# calculators and editors the tools start are suggested only: the program
# says which it looked for when none is installed, and a desktop has its own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "gnome-calculator | kcalc | qalculate-gtk | galculator | mate-calc | speedcrunch | x11-apps, gnome-text-editor | gedit | kate | kwrite | mousepad | pluma | featherpad")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
