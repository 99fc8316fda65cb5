# The expression engine against muParser and native code, formula by formula.
find_library(MUPARSER_LIBRARY muparser REQUIRED)
add_executable(bench_expr ${CMAKE_CURRENT_LIST_DIR}/bench_expr.cpp)
target_link_libraries(bench_expr PRIVATE crv_expr benchmark::benchmark ${MUPARSER_LIBRARY})
