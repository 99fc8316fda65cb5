# The view's benchmarks: the space picture painted into an image, and the
# whole export of a sampled surface to PNG.
if(TARGET crv_view)
  add_executable(bench_view ${CMAKE_CURRENT_LIST_DIR}/bench_view.cpp ${CMAKE_CURRENT_LIST_DIR}/bench_gui_main.cpp ${CMAKE_CURRENT_LIST_DIR}/bench_view_surface.h)
  target_link_libraries(bench_view PRIVATE crv_view crv_document crv_expr benchmark::benchmark)
  add_executable(bench_view_export ${CMAKE_CURRENT_LIST_DIR}/bench_view_export.cpp
                                   ${CMAKE_CURRENT_LIST_DIR}/bench_view_surface.h)
  target_link_libraries(bench_view_export PRIVATE crv_view crv_document crv_expr benchmark::benchmark)
endif()
