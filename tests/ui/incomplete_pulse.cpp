// A library by the name of the sound server's client that has only one of its functions.
extern "C" void* pa_mainloop_new() {
    return nullptr;
}
