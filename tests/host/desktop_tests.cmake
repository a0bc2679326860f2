# The desktop front end's tests run on Qt's offscreen platform: no display is needed.
if(TARGET tessaly_host_desktop)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_library(tessaly_desktop_test_support STATIC desktop_test_support.cpp)
  target_link_libraries(tessaly_desktop_test_support PUBLIC tessaly_host_desktop Qt6::Test GTest::gtest)
  target_include_directories(tessaly_desktop_test_support PUBLIC ${PROJECT_SOURCE_DIR})

  tessaly_add_test(host_desktop_test
    SOURCES desktop_widget_kind_test.cpp desktop_mirror_test.cpp desktop_input_test.cpp desktop_sheet_test.cpp
            desktop_tab_test.cpp
    LIBS tessaly_desktop_test_support tessaly_test_support tessaly_help)
  add_dependencies(host_desktop_test Tessaly TrevalonHelp tessaly_help_pages)
endif()
