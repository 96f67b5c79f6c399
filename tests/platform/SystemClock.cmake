# The system clock's own test: plain C++, so it runs in builds without Qt too.
earnmeter_test(clock_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SystemClockTest.cpp
    LIBS earnmeter_platform_clock GTest::gtest_main)
