#include "ui/StartUpReport.h"

std::string StartUpSummary(const std::vector<std::string>& messages) {
    std::string text = "Some of the editor's files could not be read:\n";
    for (const std::string& message : messages) text += "\n- " + message;
    text +=
        "\n\nChoose the data, map compiler and map folders under Settings (the \"Change\" button); "
        "the new folders are used at once.";
    return text;
}
