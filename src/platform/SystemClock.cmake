# The system's wall clock behind the engine's Clock: plain C++, no Qt.
add_library(earnmeter_platform_clock STATIC ${CMAKE_CURRENT_LIST_DIR}/SystemClock.cpp)
target_link_libraries(earnmeter_platform_clock PUBLIC earnmeter_engine)
