# Warnings and hardening every target links, and the one helper that builds and registers a
# test.

add_library(clvt_warnings INTERFACE)
target_compile_options(clvt_warnings INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>
  # GCC 12 reports -Wrestrict inside std::string concatenation at -O2 and above, a known
  # false positive of the standard library's inlined code (GCC bug 105329).
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)

# The hardening Debian builds its packages with (dpkg-buildflags, with bindnow as lintian asks):
# a stack protector, relocations read-only and bound at start, and the C library's checked
# functions; those need optimised code, so only the optimised builds have them (dpkg-buildflags
# too leaves them out of a build without optimisation).
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  target_compile_options(clvt_warnings INTERFACE -fstack-protector-strong)
  target_compile_definitions(clvt_warnings INTERFACE
    $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  target_link_options(clvt_warnings INTERFACE LINKER:-z,relro,-z,now)
endif()

# clvt_stage_data(TARGET FILE...)
# Copies the named files of data/ beside TARGET's executable whenever it is built, so that a
# program or test run from the build tree finds them where the programs look first (installed,
# they find them in ../share/calvantis instead). An edited data file is copied again.
function(clvt_stage_data target)
  list(TRANSFORM ARGN PREPEND ${PROJECT_SOURCE_DIR}/data/ OUTPUT_VARIABLE files)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${files})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files} $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

# clvt_add_test(NAME SOURCES a.cpp b.cpp LIBS lib... [QT] [DATA file...])
# Builds one test executable, links it with the given libraries and registers it with CTest.
# Qt tests run moc and run on the offscreen platform so that they need no display. DATA names
# files of data/ the test reads from beside itself, as the programs do (clvt_stage_data).
function(clvt_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;DATA" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} clvt_warnings)
  if(ARG_DATA)
    clvt_stage_data(${name} ${ARG_DATA})
  endif()
  # Tests reach their shared helpers and test doubles as "doubles/..." and "support/...".
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  else()
    include(GoogleTest)
    # Under an emulator (Wine for the Windows cross build) listing the tests can take seconds.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# clvt_install_gzipped(FILE DESTINATION)
# Compresses FILE at build time the way Debian packages want it (gzip -9n: best compression, no
# name or time stamp in the header) and installs FILE.gz into DESTINATION.
function(clvt_install_gzipped file destination)
  get_filename_component(name ${file} NAME)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${file}
    VERBATIM)
  add_custom_target(gzip_${name} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()
