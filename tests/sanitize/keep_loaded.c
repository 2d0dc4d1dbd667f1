/* Preloaded by `scripts/test --sanitize` only: libraries opened at run time (libVLC's plugins,
 * Qt's platform plugins) stay loaded until the process ends, so that a leak report can still
 * name the library its allocation came from and the suppressions can match it. */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}
