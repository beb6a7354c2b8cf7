#pragma once
// Polish nouns after a number.

/// The form of a noun that follows the count n ≥ 0 in Polish: one after 1 ("1 warstwa"), few after
/// 2–4, 22–24, 32–34 … but not 12–14 ("2 warstwy"), many after every other count ("5 warstw").
const char *PolishPlural(long long n, const char *one, const char *few, const char *many);
