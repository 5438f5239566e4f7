// A library for the dynamic library tests to load by a path of their choosing.
extern "C" __declspec(dllexport) int CorvaneTestAnswer() { return 42; }
