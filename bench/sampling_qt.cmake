# Sampling with and without a Qt application in the process, and the
# function dialog's OK (run-benchmarks.sh runs it both ways).
if(TARGET crv_dialogs)
  add_executable(bench_sampling_qt ${CMAKE_CURRENT_LIST_DIR}/bench_sampling_qt.cpp)
  target_link_libraries(bench_sampling_qt PRIVATE crv_dialogs crv_document crv_expr Qt6::Widgets benchmark::benchmark)
endif()
