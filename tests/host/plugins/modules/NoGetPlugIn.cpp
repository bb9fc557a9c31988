// A module that exports a function, but not GetPlugIn.
extern "C" __attribute__((visibility("default"))) int GetPlugInVersion() {
  return 18;
}
