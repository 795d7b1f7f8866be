#include "DemoBus.h"

namespace ortavel::sim {

namespace {
TransmitterConfig first()
{
    TransmitterConfig t;
    t.address = 1;
    t.baud = 9600;
    t.version = "2.10";
    t.sensorLow = 0.0;
    t.sensorHigh = 100.0;
    t.sensorUnit = 0;
    t.working.type = "QX820";
    t.working.ident = "A1001";
    t.working.unit = 0;
    t.working.decimals = 3;
    t.working.displayLow = 0.0;
    t.working.displayHigh = 100.0;
    t.working.outputLow = 0.0;
    t.working.outputHigh = 100.0;
    t.working.trimZero = 12;
    t.working.trimFull = -7;
    t.working.pointCount = 3;
    t.working.measured = {0.012, 50.021, 99.987, 0, 0, 0, 0, 0};
    t.working.standard = {0.0, 50.0, 100.0, 0, 0, 0, 0, 0};
    t.pressure = 12.345;
    t.pressureNoise = 0.004;
    t.temperature = 25.46;
    t.temperatureNoise = 0.05;
    return t;
}

TransmitterConfig second()
{
    TransmitterConfig t;
    t.address = 7;
    t.baud = 4800;
    t.version = "2.00";
    t.sensorLow = -1.0;
    t.sensorHigh = 1.0;
    t.sensorUnit = 1;
    t.working.type = "QX830";
    t.working.ident = "B0707";
    t.working.unit = 1;
    t.working.decimals = 4;
    t.working.displayLow = -1.0;
    t.working.displayHigh = 1.0;
    t.working.outputLow = -1.0;
    t.working.outputHigh = 1.0;
    t.pressure = 0.4321;
    t.pressureNoise = 0.0002;
    t.temperature = 21.8;
    t.temperatureNoise = 0.05;
    return t;
}

TransmitterConfig third()
{
    TransmitterConfig t;
    t.address = 12;
    t.baud = 2400;
    t.version = "1.50";
    t.sensorLow = 0.0;
    t.sensorHigh = 1600.0;
    t.sensorUnit = 5;
    t.working.type = "QX820L";
    t.working.ident = "C1212";
    t.working.unit = 5;
    t.working.decimals = 1;
    t.working.displayLow = 0.0;
    t.working.displayHigh = 1600.0;
    t.working.outputLow = 0.0;
    t.working.outputHigh = 1600.0;
    t.working.trimZero = -45;
    t.working.trimFull = 123;
    t.pressure = 1013.2;
    t.pressureNoise = 0.3;
    t.temperature = 30.1;
    t.temperatureNoise = 0.05;
    return t;
}
} // namespace

BusConfig demoBus()
{
    BusConfig bus;
    bus.transmitters = {first(), second(), third()};
    return bus;
}

} // namespace ortavel::sim
