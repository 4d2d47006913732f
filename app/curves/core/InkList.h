#pragma once
#include <string>
#include <vector>

namespace curves {

// The channel-name lines, ink names and .quad header lines per printer ink count.
struct InkList {
    std::vector<std::string> currentInkNameList;
    std::vector<std::string> currentInkChannelList;

    std::vector<std::string> inkListfor4Ink{"# K Curve", "# C Curve", "# M Curve", "# Y Curve"};
    std::vector<std::string> inkListfor6Ink{"# K Curve", "# C Curve",  "# M Curve",
                                            "# Y Curve", "# LC Curve", "# LM Curve"};
    std::vector<std::string> inkListfor7Ink{"# K Curve",  "# C Curve",  "# M Curve", "# Y Curve",
                                            "# LC Curve", "# LM Curve", "# LK Curve"};
    std::vector<std::string> inkListfor8Ink{"# K Curve",  "# C Curve",  "# M Curve",  "# Y Curve",
                                            "# LC Curve", "# LM Curve", "# LK Curve", "# LLK Curve"};
    std::vector<std::string> inkListfor10Ink{"# K Curve",  "# C Curve",  "# M Curve",   "# Y Curve",  "# LC Curve",
                                             "# LM Curve", "# LK Curve", "# LLK Curve", "# OR Curve", "# GR Curve"};
    std::vector<std::string> inkListforPro10Ink{"# K Curve",  "# C Curve",  "# M Curve",   "# Y Curve", "# LC Curve",
                                                "# LM Curve", "# LK Curve", "# LLK Curve", "# V Curve", "# MK Curve"};
    std::vector<std::string> inkListforR1800{"# MK Curve", "# C Curve", "# M Curve",  "# Y Curve",
                                             "# R Curve",  "# B Curve", "# PK Curve", "# GL Curve"};

    std::vector<std::string> inkNamesforR1800{"Select Ink", "Matte Black", "Cyan",        "Magenta", "Yellow",
                                              "Red",        "Blue",        "Photo Black", "Gloss",   "Not Used"};
    std::vector<std::string> inkNamesfor4Ink{"Select Ink", "Black", "Cyan", "Magenta", "Yellow", "Not Used"};
    std::vector<std::string> inkNamesfor6Ink{"Select Ink", "Black",      "Cyan",          "Magenta",
                                             "Yellow",     "Light Cyan", "Light Magenta", "Not Used"};
    std::vector<std::string> inkNamesfor7Ink{"Select Ink", "Black",         "Cyan",        "Magenta", "Yellow",
                                             "Light Cyan", "Light Magenta", "Light Black", "Not Used"};
    std::vector<std::string> inkNamesfor8Ink{
        "Select Ink", "Black",         "Cyan",        "Magenta",           "Yellow",
        "Light Cyan", "Light Magenta", "Light Black", "Light Light Black", "Not Used"};
    std::vector<std::string> inkNamesfor10Ink{
        "Select Ink",        "Black",  "Cyan",  "Magenta", "Yellow", "Light Cyan", "Light Magenta", "Light Black",
        "Light Light Black", "Orange", "Green", "Not Used"};
    std::vector<std::string> inkNamesforPro10Ink{
        "Select Ink",        "Black",  "Cyan",        "Magenta", "Yellow", "Light Cyan", "Light Magenta", "Light Black",
        "Light Light Black", "Violet", "Matte Black", "Not Used"};

    std::string headerInfoFor6Ink = "## QuadToneRIP K,C,M,Y,LC,LM";
    std::string headerInfoFor7Ink = "## QuadToneRIP K,C,M,Y,LC,LM,LK";
    std::string headerInfoFor8Ink = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK";
    std::string headerInfoforR1800 = "## QuadToneRIP MK,C,M,Y,R,B,PK,GL";
    std::string headerInfoFor10Ink = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR";
    std::string headerInfoForPro10Ink = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK";
};

} // namespace curves
