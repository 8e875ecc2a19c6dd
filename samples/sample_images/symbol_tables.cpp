#include "sample_images/symbol_tables.h"

const std::vector<SymbolEntry>& firmwareSymbols() {
    static const std::vector<SymbolEntry> symbols = {
        {0x0020A1C4, "memcpy"},        {0x0020A220, "memset"},
        {0x0020A274, "memcmp"},        {0x0020A2D0, "strlen"},
        {0x0020A2F8, "strcpy"},        {0x0020A330, "strcmp"},
        {0x0020A36C, "strcat"},        {0x0020B014, "sprintf"},
        {0x0020B5A0, "atoi"},          {0x0020C3E8, "malloc"},
        {0x0020C4A0, "free"},          {0x0020C52C, "realloc"},
        {0x0021D8F0, "DisplayClear"},  {0x0021D95C, "DisplayString"},
        {0x0021DA48, "DisplayBitmap"}, {0x0021DB10, "DisplayRefresh"},
        {0x0021E204, "SetPixel"},      {0x0021E26C, "FillRect"},
        {0x0021E3A8, "DrawLine"},      {0x0022F140, "GetKey"},
        {0x0022F1B8, "KeyPressed"},    {0x0022F230, "WaitKey"},
        {0x00231C04, "PlayTone"},      {0x00231CA0, "StopTone"},
        {0x00231D18, "Vibrate"},       {0x00231D74, "SetBacklight"},
        {0x00245A30, "GetTime"},       {0x00245AC4, "GetDate"},
        {0x00245B58, "SetAlarm"},      {0x00246010, "TimerStart"},
        {0x00246088, "TimerStop"},     {0x002460F4, "Sleep"},
        {0x00258E20, "NvmRead"},       {0x00258F0C, "NvmWrite"},
        {0x00258FE8, "NvmErase"},      {0x00259070, "NvmSize"},
        {0x0026A4C0, "SmsSend"},       {0x0026A6F8, "SmsCount"},
        {0x0027B3A4, "CallNumber"},    {0x0027B47C, "HangUp"},
        {0x0028C900, "PhonebookFind"}, {0x0028CA64, "PhonebookGet"},
        {0x0029D120, "BatteryLevel"},  {0x0029D18C, "SignalLevel"},
        {0x002AE3F0, "RandomSeed"},    {0x002AE42C, "Random"},
        {0x002BF6D8, "MenuShow"},      {0x002BF7A0, "MenuSelect"},
    };
    return symbols;
}

const std::vector<SymbolEntry>& referenceSymbols() {
    static const std::vector<SymbolEntry> symbols = {
        {0x001F9E08, "DisplayString"}, {0x001F9D94, "DisplayClear"}, {0x001F9FC0, "DisplayRefresh"},
        {0x001FA6B0, "DisplayIcon"},   {0x0020B8F4, "GetKey"},       {0x0020B9E4, "WaitKey"},
        {0x0020B96C, "KeyPressed"},    {0x001E8A10, "memcpy"},       {0x001E8A6C, "memset"},
        {0x001E8B1C, "strlen"},        {0x001E8B44, "strcpy"},       {0x001E9860, "sprintf"},
        {0x001EAC34, "malloc"},        {0x001EACEC, "free"},         {0x00210450, "PlayTone"},
        {0x002104EC, "StopTone"},      {0x00210564, "Vibrate"},      {0x002105C0, "LedOn"},
        {0x00210604, "LedOff"},        {0x00224A7C, "GetTime"},      {0x00224B10, "GetDate"},
        {0x0022505C, "TimerStart"},    {0x002250D4, "TimerStop"},    {0x00225140, "Sleep"},
        {0x00237E6C, "NvmRead"},       {0x00237F58, "NvmWrite"},     {0x002380BC, "NvmSize"},
        {0x0028D43C, "Random"},        {0x0028D400, "RandomSeed"},   {0x0027C16C, "BatteryLevel"},
        {0x0029A2B0, "RadioTune"},     {0x001FCA50, "SetPixel"},     {0x001FCAB8, "FillRect"},
        {0x001FCBF4, "DrawLine"},      {0x0029E724, "MenuShow"},     {0x0029E7EC, "MenuSelect"},
        {0x002A1F30, "IrdaSend"},
    };
    return symbols;
}

std::vector<SymbolEntry> prg3LibraryEntries() {
    std::vector<SymbolEntry> entries;
    for (const SymbolEntry& reference : referenceSymbols()) {
        for (const SymbolEntry& symbol : firmwareSymbols()) {
            if (symbol.name == reference.name) {
                entries.push_back(symbol);
                break;
            }
        }
    }
    return entries;
}

std::vector<std::uint32_t> addressesOf(const std::vector<SymbolEntry>& entries) {
    std::vector<std::uint32_t> addresses;
    for (const SymbolEntry& entry : entries)
        addresses.push_back(entry.address);
    return addresses;
}
