# Tests of the catalogs area.
