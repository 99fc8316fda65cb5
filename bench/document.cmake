# Sampling, file writing and reading of the document, beside native loops
# that fill the same records; bench_document_peak runs one job for /usr/bin/time -v.
add_executable(bench_document ${CMAKE_CURRENT_LIST_DIR}/bench_document.cpp)
target_link_libraries(bench_document PRIVATE crv_document benchmark::benchmark)
add_executable(bench_document_peak ${CMAKE_CURRENT_LIST_DIR}/bench_document_peak.cpp)
target_link_libraries(bench_document_peak PRIVATE crv_document)
