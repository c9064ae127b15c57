#pragma once

// The FCP value type of a plug-in parameter.
enum FCPValueType : int {
    FCPValueNoData = 0,
    FCPValueUint = 3,
    FCPValueDouble = 4,
    FCPValueBool = 5,
    FCPValuePointX = 7,
    FCPValuePointY = 8,
    FCPValueRed = 10,
    FCPValueGreen = 11,
    FCPValueBlue = 12,
    FCPValueColor = 16,
    FCPValueLayer = 17,
    FCPValueMenu = 18,
};
