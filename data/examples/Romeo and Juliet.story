# Romeo and Juliet, William Shakespeare's tragedy of two young lovers of Verona, storyformed as
# an example story. See data/README.md for the form of this file.

title Romeo and Juliet

info Synopsis
    In Verona an old quarrel sets the house of Montague against the house of Capulet. Romeo, a
    Montague, meets Juliet, a Capulet, at her father's feast, and the two marry in secret the next
    day. Within hours Romeo kills Juliet's cousin Tybalt in a street fight and is banished, while
    Juliet's father promises her to Paris. Friar Laurence gives Juliet a drug that makes her seem
    dead, but word of the plan never reaches Romeo; he finds her in the tomb, takes poison, and she
    wakes to find him dead and stabs herself. Over their bodies the two fathers end the feud.
info OSSynopsis
    Two households keep a feud going whose cause nobody remembers. Their servants brawl, their sons
    duel, and the Prince's threat of death only drives the fighting into corners. Every plan to
    make peace or to work around the quarrel, from a secret wedding to a sleeping draught, is
    overtaken by blows struck in haste, until the deaths of their children make the families stop.
info MCSynopsis
    Romeo is a young man whose fortunes turn over by the hour: pining for one girl in the morning,
    married to another the next day, a killer and an exile by the evening. He meets every turn by
    leaping to the worst or the best conclusion at once, and he never wavers in his devotion to
    Juliet, even to death.
info OCSynopsis
    Juliet starts as a dutiful daughter who has not thought about marriage. Her first meeting with
    Romeo sweeps her into a feeling that overrides her family, her upbringing and her fear, and she
    holds to it with a steadiness that pushes Romeo on.
info SSSynopsis
    The love of Romeo and Juliet can only live in disguise. They must act as strangers in public,
    Juliet must act the obedient daughter and then act dead, and every role they put on to protect
    their marriage pulls them further from the chance of living it openly.
info ThemeSynGen
    The play sets haste against care: acting on what everyone takes as settled, or on a sudden
    guess, against the slow wisdom that would test what it believes before striking.

storyform
    Resolve     Steadfast
    Direction   Stop
    Approach    Do-er
    Sex         Intuitive
    Work        Action
    Limit       Timelock
    Outcome     Success
    Judgment    Bad
    STDom       Activity
    STCon       Doing
    STRng       Wisdom
    STPbm       Proven
    MCDom       Situation
    MCCon       How Things are Changing
    MCRng       Threat
    MCPbm       Expectation
    OCDom       Fixed Attitude
    OCCon       Impulsive Responses
    OCRng       Worry
    OCPbm       Proven
    PLDom       Manipulation
    PLCon       Playing a Role
    PLRng       Knowledge
    PLPbm       Ending

character Romeo
    sex         male
    picture     4
    subjective  main
    role        The only son of the house of Montague
    description
        A young man of Verona, quick to love and quick to despair, who gives himself wholly to
        whatever he feels in the moment.
    physical    Young, handsome, restless; he wanders the woods before dawn when he is unhappy.
    background  Heir to Lord Montague, raised in the middle of a feud he takes no pleasure in.
    introduction
        We first hear of Romeo as a lovesick youth who shuts himself away because Rosaline will not
        love him back.
    dismissal   He drinks poison beside Juliet's body in the Capulet tomb.

character Juliet
    sex         female
    picture     5
    subjective  impact
    role        The only daughter of the house of Capulet
    description
        Not yet fourteen, obedient at first, she turns out to have more resolve than anyone around
        her once she has made her choice.
    background  Raised mostly by her Nurse; her parents mean to marry her well and soon.
    introduction
        Called before her mother to hear of Paris's suit, she answers politely that she will look
        on him if her parents wish it.
    dismissal   She wakes in the tomb, finds Romeo dead, and kills herself with his dagger.

character Friar Laurence
    sex         male
    picture     15
    archetype   Protagonist
    role        A Franciscan friar and Romeo's confessor
    description
        A gentle, learned man who grows herbs and hopes to turn the families' hatred into love by
        joining their children in marriage.
    skills      He knows the powers of plants, to heal and to poison.

character The Nurse
    sex         female
    picture     7
    archetype   Sidekick
    role        Juliet's nurse since infancy
    description
        Talkative, earthy and devoted to Juliet, she carries messages between the lovers, but
        when trouble comes she advises Juliet to forget Romeo and marry Paris.

character Tybalt
    sex         male
    picture     14
    archetype   Antagonist
    role        Juliet's cousin, a Capulet
    description
        A proud and skilled swordsman who hates every Montague and looks for any excuse to fight.

character Mercutio
    sex         male
    picture     8
    archetype   Emotion
    role        Romeo's friend, kin to the Prince
    description
        Witty, reckless and quick-tempered, he mocks love and dreams and draws his sword when Romeo
        will not.

character Benvolio
    sex         male
    picture     0
    archetype   Guardian
    role        Romeo's cousin and friend
    description  A peacemaker who tries to part the fighters and to cheer Romeo out of his gloom.

character Prince Escalus
    sex         male
    picture     11
    archetype   Reason
    role        The Prince of Verona
    description
        He rules the city and has had enough of the feud; he decrees death for the next brawler and
        banishes Romeo instead.

character Lord Capulet
    sex         male
    picture     6
    archetype   Contagonist
    role        Juliet's father, head of the house of Capulet
    description
        Generous host one day and tyrant the next, he hurries Juliet's wedding to Paris and threatens
        to throw her out if she refuses.

character Paris
    sex         male
    picture     21
    role        A young nobleman, kinsman of the Prince
    description  A suitable, courteous suitor who asks for Juliet's hand and dies at her tomb.

character Lord Montague
    sex         male
    picture     9
    role        Romeo's father, head of the house of Montague
    description  Worried for his son and ready to fight the Capulets himself when the brawl begins.

relationship Romeo & Juliet
    They fall in love at first sight, marry the next day and die for each other within the week.
relationship Romeo & Mercutio
    Close friends; Mercutio teases Romeo about love and dies fighting a duel that Romeo would not.
relationship Romeo & Friar Laurence
    The Friar is Romeo's confessor and adviser, who scolds his haste and still marries him to Juliet.
relationship Romeo & Tybalt
    Sworn enemies by birth; Romeo tries to make peace with his new kinsman and ends by killing him.
relationship Romeo & Benvolio
    Cousins and companions; Benvolio takes Romeo to the Capulet feast to cure him of Rosaline.
relationship Juliet & The Nurse
    The Nurse has cared for Juliet from birth and helps her marry Romeo, then loses her trust by
    urging her to marry Paris.
relationship Juliet & Lord Capulet
    A loving father who turns furious when his daughter refuses the husband he has chosen.
relationship Juliet & Paris
    Paris courts Juliet through her parents; she avoids him with careful words.
relationship Juliet & Friar Laurence
    The Friar gives Juliet the sleeping draught and the hope of escaping to Romeo.

scene The brawl in the square
    description
        Servants of the two houses trade insults and draw swords; Tybalt and Benvolio join in, the
        old lords call for their swords, and the Prince arrives to declare that anyone who fights
        again will die.
    points      STDom Work STType1 STFoc STDir
    characters  Benvolio, Tybalt, Prince Escalus, Lord Capulet, Lord Montague

scene Romeo sick with love
    description
        Romeo tells Benvolio that he loves Rosaline, who has sworn never to marry; Benvolio tells
        him to look at other beauties.
    points      MCDom MCType1 MCPbm
    characters  Romeo, Benvolio

scene Paris asks for Juliet
    description
        Capulet tells Paris to win Juliet's heart and invites him to the feast; Lady Capulet and the
        Nurse speak to Juliet of the match.
    points      OCDom OCType1 STStp
    characters  Juliet, Lord Capulet, Paris, The Nurse

scene The Capulet feast
    description
        Masked, Romeo and his friends go to the feast. Romeo sees Juliet and forgets Rosaline; they
        speak and kiss before either knows who the other is. Tybalt recognises Romeo and is held
        back by Capulet.
    points      MCType2 OCType2 PLType1 MCUnRng OCCon
    characters  Romeo, Juliet, Tybalt, Mercutio, Lord Capulet

scene The orchard below the window
    description
        Romeo climbs into the Capulet orchard and overhears Juliet declare her love; they exchange
        vows and agree to marry.
    points      PLDom PLCon OCRng Direction Approach
    characters  Romeo, Juliet

scene Friar Laurence agrees
    description
        Romeo asks the Friar to marry them that day. The Friar chides him for forgetting Rosaline so
        fast but agrees, hoping the match will end the feud.
    points      STGoal STUnRng MCFoc MCDir Resolve
    characters  Romeo, Friar Laurence

scene The secret wedding
    description  The Nurse brings Juliet to the Friar's cell and the two are married in secret.
    points      STType2 STReq PLGoal PLRng
    characters  Romeo, Juliet, Friar Laurence, The Nurse

scene The deaths of Mercutio and Tybalt
    description
        Tybalt challenges Romeo, who refuses to fight his new kinsman. Mercutio fights in his place
        and is killed under Romeo's arm; Romeo kills Tybalt in a fury and flees. The Prince banishes
        him.
    points      STCrFl MCRng MCType3 Work Limit
    characters  Romeo, Tybalt, Mercutio, Benvolio, Prince Escalus

scene Thursday is set
    description
        After one night together Romeo leaves for Mantua at dawn. Capulet, thinking Juliet weeps for
        Tybalt, orders her to marry Paris on Thursday and threatens to disown her when she refuses.
    points      MCStp OCType3 PLType2 Limit STRng
    characters  Romeo, Juliet, Lord Capulet, The Nurse

scene The sleeping draught
    description
        Juliet goes to the Friar ready to die rather than marry Paris. He gives her a potion that
        will make her seem dead for two days and promises to send for Romeo.
    points      PLType3 PLReq OCPbm OCStp STType3
    characters  Juliet, Friar Laurence, Paris

scene The letter that never arrives
    description
        The Friar's letter is stopped by a plague quarantine. Romeo's servant brings him news of
        Juliet's death instead, and Romeo buys poison and rides for Verona.
    points      MCPbm MCType4 STType3 MCCrFl Outcome
    characters  Romeo

scene The tomb
    description
        Romeo kills Paris at the tomb, drinks the poison beside Juliet and dies. She wakes, sees him
        dead, refuses to leave with the Friar and stabs herself.
    points      OCType4 PLType4 PLPbm Judgment ResOC
    characters  Romeo, Juliet, Paris, Friar Laurence

scene The houses reconciled
    description
        The Friar tells the whole story before the Prince. Capulet and Montague take each other's
        hands and promise golden statues of each other's children.
    points      STType4 STSol Outcome MCSol STRng2
    characters  Friar Laurence, Prince Escalus, Lord Capulet, Lord Montague

storytelling
    Resolve
        Romeo never wavers in his love for Juliet; banished, tricked by false news and facing death,
        he holds to her to the last.
    ResOC
        Juliet changes from a girl who will marry whoever her parents choose into a wife who defies
        them and risks death for her husband.
    Direction
        Romeo needs to stop rushing: if he would only wait a little, the Friar's plan would bring him
        Juliet alive.
    Approach
        Romeo deals with trouble by doing something at once: climbing walls, marrying, fighting,
        buying poison.
    Sex
        Romeo judges by how everything feels together rather than by a chain of reasons; the moment
        he sees Juliet the whole world rearranges itself around her.
    Work
        Deeds drive the play: a brawl opens it, a killing turns it, and each sword stroke forces the
        next decision.
    Limit
        It all happens in a few days, and the clock keeps shortening: the wedding to Paris is moved
        from Thursday to Wednesday, and the draught lasts only so many hours.
    Outcome
        The fighting between the houses stops: over the bodies of their children the fathers make
        peace.
    Judgment
        Romeo dies in despair, believing Juliet dead; nothing of his own hope survives.
    Nature
        The deeds are real: the feud truly ends, though at the cost of the lovers themselves.
    Essence
        The play is felt as the working out of a hope, peace in Verona and love fulfilled, rather
        than as an escape from something dreaded.
    Tendency
        Romeo is willing: every step he takes toward Juliet is freely chosen.
    Reach
        The play makes its case through neither cold reasoning nor pure feeling alone: the feud's
        reasons and the lovers' passion both fail, and only the sight of the two bodies persuades.
    STDom
        Verona is caught up in an activity, the feud itself: brawls, duels, threats and hurried
        weddings.
    STCon
        What everyone is concerned with is doing: striking first, marrying quickly, keeping the
        fight going or stopping it by force.
    STRng
        The story keeps asking whether anyone acts wisely; the Friar warns that those who run fast
        stumble, and almost no one listens.
    STPbm
        The feud runs on what both houses take as long proven: that the other side is the enemy, a
        belief nobody has examined for generations.
    STStp
        How far things have gone is measured by what each side obtains: a match with Paris, a
        secret husband, a dead kinsman, a sentence of exile.
    STSol
        Only something untried could end it, and the families finally see what they had never
        allowed: their children loving across the divide.
    STFoc
        Everyone argues over theories of who started the trouble and what the other house means to
        do next.
    STDir
        People answer those theories with hunches, striking on suspicion instead of waiting to know.
    STUnRng
        Experience speeds things up: each brawl teaches the young men to reach for their swords
        sooner.
    STCrFl
        Fantasy holds things back: the hope that one secret marriage or one clever potion will set
        everything right lets the trouble grow unchecked.
    STType1
        The story begins with doing: a street brawl and the Prince's decree.
    STType2
        Next comes obtaining: Romeo gains a wife in secret and loses his place in Verona.
    STType3
        Then gathering information fails: the Friar's letter never arrives while false news of
        Juliet's death does.
    STType4
        Last comes understanding: at the tomb the Friar explains, and the fathers finally grasp
        what their hatred has cost.
    STGoal
        Everyone's goal is to have the fighting end, one way or another.
    STReq
        To get there certain things must be obtained: a marriage that binds the houses, a potion,
        a messenger, a poison.
    STRng2
        Set against wisdom is enlightenment, the sudden clear sight that comes to the families only
        when it is too late.
    MCDom
        Romeo's situation is the trouble: a Montague who loves a Capulet, then a banished man whose
        wife is in Verona.
    MCCon
        Romeo is concerned with how things are changing around him, and they change by the hour.
    MCRng
        The Prince's threat of death hangs over Romeo, and he keeps walking into it.
    MCPbm
        Romeo's problem is expectation: he leaps to what he expects, first that Rosaline is the
        only woman, at last that Juliet is dead, and acts on it at once.
    MCStp
        His progress is measured by what he foresees for himself: a future with Juliet, then a
        future of exile, then none at all.
    MCSol
        Had Romeo stopped to determine what had actually happened to Juliet, he would have found
        her alive.
    MCFoc
        Romeo dwells on his theory of his fate, that the stars are against him.
    MCDir
        He answers that theory with hunches, riding to the tomb on a single report.
    MCUnRng
        The threat of the Prince's sentence is what gives Romeo his urgency and drives him to Juliet.
    MCCrFl
        Romeo's sudden flashes of feeling, which he takes for insight, undermine him every time.
    MCType1
        First Romeo's fortunes change: he falls out of love with Rosaline and into love with Juliet.
    MCType2
        Then he looks to the future: marriage, and the hope of peace between the houses.
    MCType3
        Then the present crashes in: Mercutio dead, Tybalt dead, Romeo banished on the spot.
    MCType4
        At the end Romeo acts on the past, on what he is told has already happened to Juliet.
    MCGoal
        What Romeo gains by holding on is the changed state he longs for, a life joined to Juliet's,
        even if only in death.
    MCReq
        The future warns him: he has a misgiving before the feast that some fate hangs in the stars.
    MCRng2
        Against the threat stands security, the safety Romeo could have had by staying away from
        the Capulets.
    OCDom
        Juliet brings a fixed attitude to the story: once she loves Romeo, nothing can move her.
    OCCon
        Juliet's impact comes through her immediate responses: her quick confession of love, her
        swift refusal of Paris.
    OCRng
        Juliet worries aloud that their love is too sudden, and her worry makes Romeo vow all the
        harder.
    OCPbm
        Juliet accepts as proven whatever her heart has settled, and will not test it.
    OCStp
        Her growth is measured by her innermost desires, which come out into the open step by step.
    OCSol
        What might have helped her is something unproven: trusting the Friar's plan to play out
        rather than acting on certainty.
    OCFoc
        Juliet looks at effects: what will happen if Romeo is found, if she marries Paris, if the
        potion fails.
    OCDir
        She answers by going after causes: she goes to the Friar to remove the cause of her trouble
        at its root.
    OCUnRng
        Her worry is also her gift: she foresees danger and so plans for it.
    OCCrFl
        Her thoughts run ahead of her, imagining waking among the dead, and they almost stop her
        drinking the draught.
    OCType1
        Juliet begins with her memories of what her family and Nurse have taught her.
    OCType2
        She responds on impulse to Romeo at the feast and under the window.
    OCType3
        Her innermost desires come out when she defies her father.
    OCType4
        At the end she contemplates the empty cup and the dagger, and chooses.
    OCGoal
        The cost of her impact is paid in impulsive acts, the hurried wedding and the dagger.
    OCReq
        Before she can affect Romeo, her innermost desire must be known to him, which happens under
        the window.
    OCRng2
        Against worry stands confidence, the certainty with which she drinks the potion.
    PLDom
        The relationship between Romeo and Juliet is all manipulation: hiding, deceiving, arranging
        things behind everyone's back.
    PLCon
        They must keep playing roles: strangers in public, a grieving daughter, a corpse.
    PLRng
        What each family knows and does not know shapes every meeting between the lovers.
    PLPbm
        The lovers' trouble is that they treat each parting as an ending, and each time they act as
        if the end had come.
    PLStp
        How far they have come is measured by how they change their natures, from children of
        their houses into husband and wife.
    PLSol
        Their love needs to be seen as unending, something that could wait out a banishment.
    PLFoc
        They argue over theories: whether it is the lark or the nightingale, whether the potion is
        poison.
    PLDir
        And they answer on hunches, believing the worst or the best on a moment's feeling.
    PLUnRng
        Desire speeds the relationship: they marry the day after they meet.
    PLCrFl
        Worth holds them back: each fears they are not worth the ruin they bring on the other.
    PLType1
        The relationship starts with developing a plan to marry in secret.
    PLType2
        Then they must play their roles in front of their families.
    PLType3
        Then each must change their nature, Romeo into an exile, Juliet into a daughter who lies.
    PLType4
        At last they conceive the idea of death as the way to be together.
    PLGoal
        What the relationship comes to is a pair of roles played to the end: the dead bride and the
        bridegroom who follows her.
    PLReq
        Before anything else they must change their natures, no longer Montague and Capulet but
        husband and wife.
    PLRng2
        Against what they know stands what they think: each imagines the other's fate and acts on
        the image.
