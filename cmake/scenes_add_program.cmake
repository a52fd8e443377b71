# scenes_add_program(NAME
#     [SOURCES file...]   all of the program but main, built as the library NAME_lib
#     MAIN file           the file with main()
#     [LIBS target...]    what the library (or, without SOURCES, the program) links besides GL
#     [DATA])             the program reads files that tools/datagen writes beside it
#
# The one way to add a program. It makes
#   - NAME_lib from SOURCES, which the tests and the benchmark link too;
#   - the executable NAME in build/NAME/, where its data lies beside it;
#   - NAME_data, the generated data, when DATA is given;
#   - NAME_tests from tests/NAME/*_test.cpp, linked with the recording stand-in
#     for GL, GLU and GLUT and run from build/NAME/, when that folder has tests;
#   - NAME_e2e from tests/e2e/NAME_e2e_test.cpp, run against the real program
#     under the shared Xvfb server, when that file exists;
#   - install rules: bin/NAME, its data in share/<package>/NAME/, and its menu
#     entry and icon from packaging/;
# and adds NAME to the list of programs in build/programs.txt.
function(scenes_add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "DATA" "MAIN" "SOURCES;LIBS")
  if(NOT arg_MAIN)
    message(FATAL_ERROR "scenes_add_program(${name}): MAIN is required")
  endif()
  set(folder ${CMAKE_BINARY_DIR}/${name})

  add_executable(${name} ${arg_MAIN})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${folder})
  if(arg_SOURCES)
    add_library(${name}_lib STATIC ${arg_SOURCES})
    target_include_directories(${name}_lib PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name}_lib PUBLIC ${arg_LIBS})
    target_link_libraries(${name} PRIVATE ${name}_lib scenes_gl)
    set_property(GLOBAL APPEND PROPERTY SCENES_LIBRARIES ${name}_lib)
  else()
    target_link_libraries(${name} PRIVATE ${arg_LIBS} scenes_gl)
  endif()

  if(arg_DATA)
    add_custom_target(${name}_data ALL
      COMMAND scenes_datagen ${name} ${folder}
      DEPENDS scenes_datagen
      COMMENT "Stand-in data for ${name}")
    add_dependencies(${name} ${name}_data)
  endif()

  if(SCENES_TESTS)
    file(GLOB unit_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${name}/*_test.cpp)
    if(unit_tests)
      if(NOT arg_SOURCES)
        message(FATAL_ERROR "scenes_add_program(${name}): unit tests need SOURCES to link against")
      endif()
      add_executable(${name}_tests ${unit_tests})
      target_link_libraries(${name}_tests PRIVATE ${name}_lib gl_recorder GTest::gtest_main)
      if(arg_DATA)
        # Data tests read the generated files and call the generator's writers.
        target_link_libraries(${name}_tests PRIVATE datagen_lib)
        add_dependencies(${name}_tests ${name}_data)
      endif()
      gtest_discover_tests(${name}_tests WORKING_DIRECTORY ${folder} DISCOVERY_TIMEOUT 30
                           PROPERTIES LABELS unit)
      add_dependencies(unit_tests ${name}_tests)
    endif()

    set(e2e_test ${PROJECT_SOURCE_DIR}/tests/e2e/${name}_e2e_test.cpp)
    if(EXISTS ${e2e_test})
      add_executable(${name}_e2e ${e2e_test})
      target_link_libraries(${name}_e2e PRIVATE e2e_harness GTest::gtest_main)
      add_dependencies(${name}_e2e ${name})
      gtest_discover_tests(${name}_e2e DISCOVERY_TIMEOUT 30
        PROPERTIES FIXTURES_REQUIRED xvfb RUN_SERIAL TRUE LABELS e2e TIMEOUT 180
                   ENVIRONMENT "SCENES_XVFB_DIR=${SCENES_XVFB_DIR}")
    endif()
  endif()

  scenes_install_program(${name} ${arg_DATA})
  set_property(GLOBAL APPEND PROPERTY SCENES_PROGRAMS ${name})
endfunction()

# bin/ and share/ are fixed rather than GNUInstallDirs' choices: the programs
# find their data at <their folder>/../share/<package>/<program>/.
function(scenes_install_program name has_data)
  set(desktop ${PROJECT_SOURCE_DIR}/packaging/${name}.desktop)
  set(icon ${PROJECT_SOURCE_DIR}/packaging/icons/${name}.png)
  if(NOT EXISTS ${desktop} OR NOT EXISTS ${icon})
    message(FATAL_ERROR "scenes_add_program(${name}): needs packaging/${name}.desktop and packaging/icons/${name}.png")
  endif()

  install(TARGETS ${name} RUNTIME DESTINATION bin)
  if(has_data)
    # What datagen wrote beside the program, or the user's files in its place;
    # not the executables and build files that share the folder.
    install(DIRECTORY ${CMAKE_BINARY_DIR}/${name}/ DESTINATION share/${SCENES_PACKAGE}/${name}
      FILES_MATCHING PATTERN "*.bmp" PATTERN "*.mp3" PATTERN CMakeFiles EXCLUDE)
  endif()
  install(FILES ${desktop} DESTINATION share/applications RENAME ${SCENES_PACKAGE}-${name}.desktop)
  install(FILES ${icon} DESTINATION share/icons/hicolor/64x64/apps RENAME ${SCENES_PACKAGE}-${name}.png)
endfunction()

# Writes build/programs.txt, one program a line, for scripts/run.sh.
function(scenes_write_program_list)
  get_property(programs GLOBAL PROPERTY SCENES_PROGRAMS)
  list(JOIN programs "\n" lines)
  file(WRITE ${CMAKE_BINARY_DIR}/programs.txt "${lines}\n")
endfunction()
