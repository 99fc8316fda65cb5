# Sampling, file writing and reading of the document, beside native loops
# that fill the same records; bench_doc_peak runs one job for /usr/bin/time -v.
add_executable(bench_doc ${CMAKE_CURRENT_LIST_DIR}/bench_doc.cpp)
target_link_libraries(bench_doc PRIVATE crv_doc benchmark::benchmark)
add_executable(bench_doc_peak ${CMAKE_CURRENT_LIST_DIR}/bench_doc_peak.cpp)
target_link_libraries(bench_doc_peak PRIVATE crv_doc)
