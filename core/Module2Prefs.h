#pragma once
namespace Module2 { void WriteQSOpref(); bool ReadQSOpref(); void CheckUTCOffset(); }
