#pragma once
// What the engine needs from the platform, in one place: the application (and
// tests) set it once; empty members fall back to built-in behaviour.

#include <functional>
#include <string_view>

// The language of the messages: the interface language the user sees.
enum class ExpressLanguage { Japanese, Chinese, English };

struct ExpressPlatform {
    std::function<void(std::u16string_view text)> showMessage;              // empty: UTF-8 to standard error
    ExpressLanguage language = ExpressLanguage::Japanese;                   // the language of the messages
    std::function<bool(std::u16string_view text, double& date)> parseDate;  // empty: the built-in converter
};

void SetExpressPlatform(ExpressPlatform platform);
const ExpressPlatform& GetExpressPlatform();

// Shows a text through showMessage, or writes it to standard error.
void ShowExpressMessage(std::u16string_view text);
