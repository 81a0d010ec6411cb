# Shared CMake helpers of the Brevalon build.

set_property(GLOBAL PROPERTY BREVALON_MODULES "")

# brevalon_module(<name> SOURCES ...)
# Declares the library of one module folder. Every module library joins the
# link group that the executables and tests use.
function(brevalon_module name)
  cmake_parse_arguments(M "" "" "SOURCES;LIBS" ${ARGN})
  add_library(brevalon_${name} STATIC ${M_SOURCES})
  target_link_libraries(brevalon_${name} PUBLIC
    Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Sql Qt6::Xml Qt6::Network
    Qt6::PrintSupport Qt6::SerialPort ${M_LIBS})
  set_property(GLOBAL APPEND PROPERTY BREVALON_MODULES brevalon_${name})
endfunction()

# brevalon_link_all(<target>)
# Links a target with every module library, rescanned as a group.
function(brevalon_link_all target)
  get_property(mods GLOBAL PROPERTY BREVALON_MODULES)
  string(REPLACE ";" "," modlist "${mods}")
  target_link_libraries(${target} PRIVATE "$<LINK_GROUP:RESCAN,${modlist}>"
    Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Sql Qt6::Xml Qt6::Network
    Qt6::PrintSupport Qt6::SerialPort CURL::libcurl PkgConfig::QRENCODE PkgConfig::MARIADB)
endfunction()

# brevalon_test(<name> <sources...> [NODB] [LABELS l...] [TIMEOUT s])
# One QtTest executable, run once per database backend (NODB: once, for
# tests that use no database). The MariaDB run skips with a message when the
# test command did not start a server.
function(brevalon_test name)
  cmake_parse_arguments(T "NODB" "TIMEOUT" "LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE brevalon_testsupport Qt6::Test)
  brevalon_link_all(${name})
  set(backends sqlite mariadb)
  if(T_NODB)
    set(backends sqlite)
  endif()
  foreach(backend ${backends})
    add_test(NAME ${name}_${backend} COMMAND ${name})
    set_tests_properties(${name}_${backend} PROPERTIES
      TIMEOUT ${T_TIMEOUT}
      LABELS "${backend};${T_LABELS}"
      SKIP_RETURN_CODE 77
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;BREVALON_SQLITE_STRICT=1;BREVALON_TEST_BACKEND=${backend};BREVALON_SOURCE_DIR=${CMAKE_SOURCE_DIR};BREVALON_BUILD_DIR=${CMAKE_BINARY_DIR}")
    # The test command's serial-port pairs serve one test at a time; so
    # does its printer queue, whose output is one file.
    if("serial" IN_LIST T_LABELS)
      set_tests_properties(${name}_${backend} PROPERTIES RESOURCE_LOCK serial_ports)
    endif()
    if("cups" IN_LIST T_LABELS)
      set_tests_properties(${name}_${backend} PROPERTIES RESOURCE_LOCK print_queue)
    endif()
  endforeach()
endfunction()
