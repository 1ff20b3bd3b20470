// A stand-in DLL planted beside the system-library test under a system DLL's name: a library
// loaded from the system folder never exports its marker.
extern "C" __declspec(dllexport) int DimoraPlantedProbe() {
    return 1;
}
