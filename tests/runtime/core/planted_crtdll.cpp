// A crtdll.dll of the tests' own, planted beside a program by the C runtime
// test: a library that must never be taken for the system's. It has nothing
// the runtime looks for.
extern "C" {
__declspec(dllexport) int planted_crtdll = 1;
}
