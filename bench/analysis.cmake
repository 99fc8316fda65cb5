# The points of interest of three graphs in a window of 1000 pixels, beside
# the bare evaluation of the same graphs at every pixel column.
if(TARGET crv_analysis)
  add_executable(bench_analysis ${CMAKE_CURRENT_LIST_DIR}/bench_analysis.cpp)
  target_link_libraries(bench_analysis PRIVATE crv_analysis benchmark::benchmark)
endif()
