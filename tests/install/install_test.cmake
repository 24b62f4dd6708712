# cmake -DBUILD_DIR=... -DPREFIX=... -DGUI=ON|OFF -DPOSIX=1|0 [-DEXE_SUFFIX=.exe]
#       [-DEMULATOR=wine] -P install_test.cmake
# Fails with a message naming what is missing or what went wrong.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}): ${errors}")
endif()

set(app_id example.vostrelsystems.calvantis)
set(expected bin/clvt${EXE_SUFFIX} share/calvantis/clvt.dat share/calvantis/clvt_help.txt)
if(GUI)
  list(APPEND expected bin/calvantis${EXE_SUFFIX} share/applications/${app_id}.desktop
       share/icons/hicolor/scalable/apps/${app_id}.svg share/metainfo/${app_id}.metainfo.xml)
endif()
if(POSIX)
  list(APPEND expected share/man/man1/clvt.1.gz share/bash-completion/completions/clvt
       share/zsh/vendor-completions/_clvt share/fish/vendor_completions.d/clvt.fish
       share/doc/calvantis/copyright share/doc/calvantis/changelog.gz)
  if(GUI)
    list(APPEND expected share/man/man1/calvantis.1.gz)
  endif()
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The installed tool runs from the prefix, away from the build tree.
execute_process(COMMAND ${EMULATOR} ${PREFIX}/bin/clvt${EXE_SUFFIX} --version
  WORKING_DIRECTORY ${PREFIX}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "^clvt ")
  message(FATAL_ERROR "installed clvt --version: status ${result}, output '${output}' ${errors}")
endif()
execute_process(COMMAND ${EMULATOR} ${PREFIX}/bin/clvt${EXE_SUFFIX} convert 2015-11-22 CE
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "Julian day number:  2,457,349")
  message(FATAL_ERROR "installed clvt convert: status ${result}, output '${output}' ${errors}")
endif()

# The installed desktop program answers --version and --help without a display.
if(GUI)
  set(answer--version "^Calvantis [0-9]+\\.[0-9]+\n$")
  set(answer--help "^Usage: [^\n]*calvantis.*\n  -v, --version ")
  foreach(option --version --help)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
        --unset=QT_QPA_PLATFORM ${EMULATOR} ${PREFIX}/bin/calvantis${EXE_SUFFIX} ${option}
      RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT result EQUAL 0 OR NOT output MATCHES "${answer${option}}")
      message(FATAL_ERROR "installed calvantis ${option}: status ${result}, output '${output}' ${errors}")
    endif()
  endforeach()
endif()
