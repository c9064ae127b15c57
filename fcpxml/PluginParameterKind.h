#pragma once

// The kind of an AAF-side effect parameter, from the kind word of its data row.
enum PluginParameterKind : int {
    PluginKindOther = 0,
    PluginKindPlugin = 1,
    PluginKindGroup = 2,
    PluginKindMenu = 3,
    PluginKindUint = 4,
    PluginKindDouble = 5,
    PluginKindBoolean = 6,
    PluginKindColor = 7,
    PluginKindRed = 8,
    PluginKindGreen = 9,
    PluginKindBlue = 10,
    PluginKindPoint = 11,
    PluginKindPointX = 12,
    PluginKindPointY = 13,
    PluginKindLayer = 14,
};
