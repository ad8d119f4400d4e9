// The executable that holds every object of the core library and links no widget
// or GUI module: it exists so that such a use in core cannot build. It does nothing.
int main()
{
    return 0;
}
