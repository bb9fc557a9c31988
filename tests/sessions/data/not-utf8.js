// Not UTF-8: ÿ
