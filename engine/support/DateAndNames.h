#pragma once
// Day counting, file names and string sorting.
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// Whole days from 1 January 2000 00:00 local time to now (or to the given time).
int GetDaysSince2000();
int GetDaysSince2000(std::time_t now);
// Name and extension of a path, without drive and folders ('/' or '\' separated).
std::string GetFileNameWithExtension(std::string_view path);
// Sorts source in place into ascending byte order, then appends every string to destination.
void SortStringArray(std::vector<std::string>& source, std::vector<std::string>& destination);
// Text of a time through strftime (at most 128 characters); empty when it cannot be converted.
std::string FormatTime(std::time_t time, const char* format);
