# Helpers shared by every subsystem's CMakeLists.txt.

# kosmira_library(<subsystem> [RECURSE] [QT <Qt components...>] [DEPS <targets...>]
#                 [PUBLIC_LIBS <libs...>])
# One static library kosmira_<subsystem> from every .cpp in src/<subsystem> (RECURSE: and in
# its subfolders); headers are included as "<subsystem>/<file>.h" ("<subsystem>/<sub>/<file>.h").
function(kosmira_library sub)
  cmake_parse_arguments(K "RECURSE" "" "QT;DEPS;PUBLIC_LIBS" ${ARGN})
  if(K_RECURSE)
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB_RECURSE hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  else()
    file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  add_library(kosmira_${sub} STATIC ${srcs} ${hdrs})
  target_include_directories(kosmira_${sub} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(K_QT)
    find_package(Qt6 REQUIRED COMPONENTS ${K_QT})
    set_target_properties(kosmira_${sub} PROPERTIES AUTOMOC ON)
    foreach(c IN LISTS K_QT)
      target_link_libraries(kosmira_${sub} PUBLIC Qt6::${c})
    endforeach()
  endif()
  target_link_libraries(kosmira_${sub} PUBLIC ${K_DEPS} ${K_PUBLIC_LIBS})
endfunction()

# The test programs themselves are compiled without optimisation and with line tables only:
# what they exercise is the libraries (built as configured), and -O2 -g on the test sources,
# heavy with GoogleTest and Qt templates, made up most of the build's time.
set(KOSMIRA_TEST_COMPILE_OPTIONS -O0 -g1)

# kosmira_test(<name> LABEL unit|gui|gl [OWN_MAIN | QT_MAIN] SOURCES <files...> LIBS <targets...>)
# OWN_MAIN: the sources bring their own main(). QT_MAIN: the shared main of the gui and gl
# tests (tests/support/qt_main.cpp: a QApplication in a throw-away home).
# One GoogleTest executable; each test case becomes a CTest test labelled LABEL, discovered
# at test time so that gui and gl executables only need a display when ctest runs.
find_package(GTest QUIET)
function(kosmira_test name)
  cmake_parse_arguments(K "OWN_MAIN;QT_MAIN" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT GTest_FOUND)
    message(WARNING "GoogleTest not found: ${name} is not built")
    return()
  endif()
  if(K_QT_MAIN)
    list(APPEND K_SOURCES ${PROJECT_SOURCE_DIR}/tests/support/qt_main.cpp)
    list(APPEND K_LIBS kosmira_testsupport)
  endif()
  add_executable(${name} ${K_SOURCES})
  target_compile_options(${name} PRIVATE ${KOSMIRA_TEST_COMPILE_OPTIONS})
  target_link_libraries(${name} PRIVATE ${K_LIBS} GTest::gtest GTest::gmock)
  if(NOT K_OWN_MAIN AND NOT K_QT_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    KOSMIRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" KOSMIRA_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(TARGET Qt6::Core)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name}
    TEST_PREFIX "${name}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${K_LABEL} TIMEOUT 300
               ENVIRONMENT "QT_QPA_PLATFORM=xcb;KOSMIRA_TEST_LABEL=${K_LABEL}")
endfunction()

# kosmira_bench(<name> SOURCES <files...> LIBS <targets...>): a Google Benchmark program
# written to build/bench/<name>, run by `make bench`.
find_package(benchmark QUIET)
function(kosmira_bench name)
  cmake_parse_arguments(K "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT benchmark_FOUND)
    message(WARNING "Google Benchmark not found: ${name} is not built")
    return()
  endif()
  add_executable(${name} ${K_SOURCES})
  target_link_libraries(${name} PRIVATE ${K_LIBS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE
    KOSMIRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" KOSMIRA_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bench)
  if(TARGET Qt6::Core)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()
