# The Windows program as it ships: what windeployqt would put beside ampora.exe (the Qt
# libraries, the platform, style and icon plugins, the MinGW runtime) is copied into the build
# folder, so the program and the tests start from there, and `windows_package` zips that folder.
set(ampora_qt_plugins
  Qt6::QWindowsIntegrationPlugin platforms
  Qt6::QOffscreenIntegrationPlugin platforms
  Qt6::QWindowsVistaStylePlugin styles
  Qt6::QICOPlugin imageformats)

set(deploy_commands "")
foreach(lib Qt6::Core Qt6::Gui Qt6::Widgets)
  list(APPEND deploy_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${lib}> ${CMAKE_BINARY_DIR})
endforeach()
if(AMPORA_BUILD_TESTS)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  list(APPEND deploy_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::Test> ${CMAKE_BINARY_DIR})
endif()
while(ampora_qt_plugins)
  list(POP_FRONT ampora_qt_plugins plugin folder)
  list(APPEND deploy_commands
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${plugin}> ${CMAKE_BINARY_DIR}/${folder})
endwhile()

# Qt's own texts (message box buttons, file dialogs) in the shipped translation's language, in
# translations/ beside the program, where the program looks for them on Windows. The host's Qt
# translations (Debian's) are the same files on every platform.
find_file(ampora_qtbase_de qtbase_de.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT ampora_qtbase_de)
  message(FATAL_ERROR "Qt's German texts (qtbase_de.qm of qt6-translations-l10n) were not found")
endif()
list(APPEND deploy_commands
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/translations
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ampora_qtbase_de} ${CMAKE_BINARY_DIR}/translations)

# The compiler's own runtime libraries, wherever this compiler keeps them. (With MSVC, run
# windeployqt, which knows its runtime; there is no package target then.)
if(NOT MINGW)
  add_custom_target(windows_deploy ALL ${deploy_commands} VERBATIM)
  add_dependencies(ampora windows_deploy)
  return()
endif()
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "The MinGW runtime library ${runtime} was not found")
  endif()
  list(APPEND deploy_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${runtime_path} ${CMAKE_BINARY_DIR})
endforeach()

add_custom_target(windows_deploy ALL ${deploy_commands} VERBATIM)
add_dependencies(ampora windows_deploy)

# The package: ampora-<version>-win64.zip with the program and ampora-cli (whose plot module
# ampora-plot.dll, beside it, draws on the offscreen platform plugin), their libraries and
# plugins, the
# help file, the German translation in translations/de (copy it beside ampora.exe to use it) and
# Qt's German texts in translations.
set(ampora_package ${CMAKE_BINARY_DIR}/ampora-${PROJECT_VERSION}-win64.zip)
set(package_dir ${CMAKE_BINARY_DIR}/package/Ampora)
add_custom_target(windows_package
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/package
  COMMAND ${CMAKE_COMMAND} -E make_directory ${package_dir}/translations/de
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:ampora> $<TARGET_FILE:ampora-cli> $<TARGET_FILE:ampora-plot>
          $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui>
          $<TARGET_FILE:Qt6::Widgets> ${CMAKE_BINARY_DIR}/HelpBattery.hlp ${package_dir}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_BINARY_DIR}/platforms ${package_dir}/platforms
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_BINARY_DIR}/styles ${package_dir}/styles
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_BINARY_DIR}/imageformats ${package_dir}/imageformats
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND} -E copy libstdc++-6.dll libgcc_s_seh-1.dll
          libwinpthread-1.dll ${package_dir}
  COMMAND ${CMAKE_COMMAND} -E copy ${AMPORA_TRANSLATION_MODULE} ${package_dir}/translations/de
  COMMAND ${CMAKE_COMMAND} -E copy ${ampora_qtbase_de} ${package_dir}/translations
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package ${CMAKE_COMMAND} -E tar cf ${ampora_package} --format=zip Ampora
  DEPENDS ampora ampora-cli ampora-plot windows_deploy translations
  BYPRODUCTS ${ampora_package}
  VERBATIM)

# The setup program ampora-<version>-setup.exe, made by NSIS from the package's folder
# (packaging/windows/ampora.nsi), with the program icon made from the icon's PNG sizes.
find_program(AMPORA_MAKENSIS makensis)
find_program(AMPORA_MAGICK convert)
if(AMPORA_MAKENSIS AND AMPORA_MAGICK)
  set(ampora_setup ${CMAKE_BINARY_DIR}/ampora-${PROJECT_VERSION}-setup.exe)
  set(setup_dir ${CMAKE_BINARY_DIR}/setup)
  set(icon_sizes)
  foreach(size 16 24 32 48 64 256)
    list(APPEND icon_sizes ${CMAKE_SOURCE_DIR}/resources/icons/ampora-${size}.png)
  endforeach()
  # Windows wants four numbers in a file's version.
  set(version_quad ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
  foreach(part PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
      string(APPEND version_quad .0)
    else()
      string(APPEND version_quad .${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  add_custom_target(windows_installer
    COMMAND ${CMAKE_COMMAND} -E make_directory ${setup_dir}
    COMMAND ${AMPORA_MAGICK} ${icon_sizes} ${setup_dir}/ampora.ico
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${package_dir} -DOUTPUT=${setup_dir}/uninstall-files.nsh
            -P ${CMAKE_SOURCE_DIR}/packaging/windows/uninstall-list.cmake
    COMMAND ${AMPORA_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DVERSION_QUAD=${version_quad}
            -DSOURCE=${package_dir} -DOUTFILE=${ampora_setup} -DICON=${setup_dir}/ampora.ico
            -DFILE_LIST=${setup_dir}/uninstall-files.nsh ${CMAKE_SOURCE_DIR}/packaging/windows/ampora.nsi
    DEPENDS windows_package
    BYPRODUCTS ${ampora_setup}
    VERBATIM)
endif()
