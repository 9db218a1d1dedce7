# Both drivers refuse to start.
fail-start porvik
fail-start norvabios
