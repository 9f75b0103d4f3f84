Debug "Größe"
