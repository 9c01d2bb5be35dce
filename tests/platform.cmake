# Tests of the platform area.
