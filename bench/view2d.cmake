# The plane picture painted into an image: curves of many segments, drawn in
# batches and one by one.
if(TARGET crv_view)
  add_executable(bench_view2d ${CMAKE_CURRENT_LIST_DIR}/bench_view2d.cpp ${CMAKE_CURRENT_LIST_DIR}/bench_gui_main.cpp)
  target_link_libraries(bench_view2d PRIVATE crv_view crv_document crv_expr benchmark::benchmark)
endif()
