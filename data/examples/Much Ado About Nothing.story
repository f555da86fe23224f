# Much Ado About Nothing, William Shakespeare's comedy of two sworn enemies of marriage and a bride
# slandered at the altar, storyformed as an example story. See data/README.md for the form of this
# file.

title Much Ado About Nothing

info Synopsis
    Don Pedro, Prince of Aragon, returns from a war to stay with Leonato, governor of Messina. His
    young officer Claudio falls in love with Leonato's daughter Hero, and the match is made within a
    day; to fill the week before the wedding, the friends trick Benedick and Leonato's niece
    Beatrice, who do nothing but trade insults, into believing each loves the other. Don Pedro's
    resentful brother Don John arranges for Claudio to see a woman he takes for Hero at her window
    with another man, and Claudio shames Hero at the altar. The friar has her reported dead while
    the foolish constable Dogberry, whose men overheard the plotters, stumbles onto the truth.
    Benedick takes Beatrice's side and challenges his friend, the plot is exposed, Hero is restored,
    and both couples marry.
info OSSynopsis
    Messina runs on overhearing. Matches are made, broken and remade through what people happen to
    hear and see: a prince woos in disguise, two lovers are gulled by staged conversations, a groom
    is fooled by a scene at a window, and a bumbling watch finds out what the clever men could not.
info MCSynopsis
    Benedick is sure he will die a bachelor and has a hundred witty reasons why. Once he believes
    Beatrice loves him he turns the same reasoning around, and in the end he must prove his new
    conviction by standing against his closest friends.
info OCSynopsis
    Beatrice is the sharpest tongue in Messina and the least free: a woman without a father, in her
    uncle's house, who can mock any man but cannot fight for her slandered cousin. Her fury at what
    she cannot do herself is what finally moves Benedick.
info SSSynopsis
    The merry war between Benedick and Beatrice is a contest of judgements, each running the other
    down. Their friends plant the idea that each is secretly loved, and the two must find whether
    they are allowed, by pride and by each other, to love in earnest.
info ThemeSynGen
    The comedy sets certainty against potential: people who are sure of what they saw or what they
    will never do, and the better things they might become if they allowed that they could be wrong.

storyform
    Resolve     Change
    Direction   Start
    Approach    Do-er
    Sex         Logical
    Work        Decision
    Limit       Timelock
    Outcome     Success
    Judgment    Good
    STDom       Activity
    STCon       Gathering Information
    STRng       Prerequisites
    STPbm       Certainty
    MCDom       Fixed Attitude
    MCCon       Contemplation
    MCRng       Investigation
    MCPbm       Certainty
    OCDom       Situation
    OCCon       The Present
    OCRng       Work
    OCPbm       Reduction
    PLDom       Manipulation
    PLCon       Conceiving an Idea
    PLRng       Permission
    PLPbm       Evaluation

character Benedick
    sex         male
    picture     8
    subjective  main
    role        A young lord of Padua, officer to Don Pedro
    description
        A brave soldier and a tireless wit who swears he will never marry and treats love as a
        disease other men catch.
    introduction   Beatrice asks whether Signior Mountanto has come back from the wars.
    dismissal      He marries Beatrice and tells the Prince to get himself a wife.

character Beatrice
    sex         female
    picture     1
    subjective  impact
    role        Leonato's niece
    description
        Quick, scornful and generous, she is loyal to her cousin to the bone and hates being a woman
        who cannot act for herself.
    background     An orphan brought up in her uncle's house alongside her cousin Hero.
    introduction   She mocks Benedick before he even arrives.

character Claudio
    sex         male
    picture     4
    archetype   Skeptic
    role        A young lord of Florence
    description  Brave in war, shy in love and far too quick to believe the worst of Hero.

character Hero
    sex         female
    picture     12
    archetype   Sidekick
    role        Leonato's daughter
    description  Gentle, obedient and faithful; she is slandered on her wedding day and rises again.

character Don Pedro
    sex         male
    picture     11
    archetype   Protagonist
    role        The Prince of Aragon
    description
        A generous, meddling matchmaker who woos Hero for Claudio and plots to bring Benedick and
        Beatrice together.

character Don John
    sex         male
    picture     27
    archetype   Antagonist
    role        Don Pedro's bastard brother
    description  Sullen and resentful, he makes mischief for its own sake.

character Borachio
    sex         male
    picture     14
    archetype   Contagonist
    role        A follower of Don John
    description  He devises the scene at the window and boasts of it in the street.

character Leonato
    sex         male
    picture     6
    archetype   Emotion
    role        Governor of Messina, Hero's father
    description  A warm host who turns on his daughter in a rage when she is accused.

character Friar Francis
    sex         male
    picture     15
    archetype   Guardian
    role        The friar who is to marry Claudio and Hero
    description  He believes Hero innocent and proposes that she be reported dead.

character Dogberry
    sex         male
    picture     26
    form        several
    role        The constable of Messina and his watchmen
    description
        Self-important and forever using the wrong word, he and his men overhear the villains and
        arrest them.

relationship Benedick & Beatrice
    They trade insults in a merry war until a trick makes each believe the other is in love; they
    end engaged, still sparring.
relationship Benedick & Claudio
    Comrades in arms whose friendship breaks when Benedick challenges Claudio for Hero's sake.
relationship Benedick & Don Pedro
    Benedick is the Prince's favourite companion, and the Prince's favourite target.
relationship Beatrice & Hero
    Cousins raised like sisters; Beatrice will not believe the slander for a moment.
relationship Claudio & Hero
    He falls for her at sight, shames her at the altar, and marries her when the truth is out.
relationship Don Pedro & Don John
    Brothers lately reconciled after a rebellion; Don John hates his brother's favour to Claudio.
relationship Hero & Leonato
    A loving father who wishes his daughter dead when he believes her dishonoured.
relationship Borachio & Don John
    Master and henchman; Borachio sells him the plot for a thousand ducats.

scene The soldiers come home
    description
        A messenger brings news of Don Pedro's victory. Beatrice asks scornfully after Benedick, and
        when he arrives they resume their merry war at once.
    points      PLDom PLType1 MCDom OCDom Sex
    characters  Benedick, Beatrice, Don Pedro, Claudio, Leonato, Hero, Don John

scene Claudio confides
    description
        Claudio confesses his love for Hero. Benedick mocks him; Don Pedro offers to woo her in
        disguise at the evening's revels.
    points      STType1 MCType1 MCFoc Resolve
    characters  Benedick, Claudio, Don Pedro

scene The masked dance
    description
        Beatrice abuses Benedick to his masked face; Don John tells Claudio the Prince woos for
        himself; the misunderstanding clears, the wedding is set for a week away, and Don Pedro
        plans to make Benedick and Beatrice fall in love.
    points      STCon STRng Limit OCType1 PLCon
    characters  Benedick, Beatrice, Claudio, Hero, Don Pedro, Don John, Leonato

scene The plot at the window
    description  Borachio proposes to Don John a scene that will make Hero seem false.
    points      STCrFl STType2 Work
    characters  Don John, Borachio

scene Benedick is gulled
    description
        Hidden in the orchard, Benedick overhears his friends say Beatrice is dying of love for him,
        and decides to love her back.
    points      MCType2 MCCon MCRng PLType2 PLRng
    characters  Benedick, Don Pedro, Claudio, Leonato

scene Beatrice is gulled
    description
        Hero and her gentlewoman let Beatrice overhear that Benedick loves her and that she is too
        proud to be told; Beatrice resolves to requite him.
    points      OCType2 OCCon OCRng PLFoc PLDir
    characters  Beatrice, Hero

scene Don John's accusation
    description
        Don John tells Claudio and the Prince that Hero is disloyal and brings them to see it at her
        window that night.
    points      STPbm STFoc STDir MCCrFl
    characters  Claudio, Don Pedro, Don John

scene The watch
    description
        Dogberry charges his men to keep the peace without troubling anyone; they overhear Borachio
        boasting of the window trick and arrest him.
    points      STType3 STUnRng STReq STStp
    characters  Dogberry, Borachio

scene The broken wedding
    description
        At the altar Claudio denounces Hero and the Prince backs him. She faints; her father wishes
        her dead. The Friar, sure she is innocent, has her reported dead.
    points      STGoal OCType3 PLPbm Outcome
    characters  Claudio, Hero, Don Pedro, Leonato, Friar Francis, Benedick, Beatrice

scene Kill Claudio
    description
        Left alone in the church, Benedick and Beatrice confess their love. She asks him to kill
        Claudio; he refuses, then, seeing her certainty, agrees to challenge him.
    points      MCType3 MCPbm MCSol OCPbm OCSol OCFoc PLType3 ResOC
    characters  Benedick, Beatrice

scene The challenge
    description
        Benedick tells Claudio in earnest that he has slandered an innocent lady and must answer for
        it, and quits the Prince's service.
    points      MCType4 MCDir MCStp Approach
    characters  Benedick, Claudio, Don Pedro

scene The truth comes out
    description
        Dogberry brings in his prisoners; Borachio confesses. Claudio, stricken, agrees to marry
        Leonato's niece, unseen, as penance.
    points      STType4 STSol OCDir OCUnRng STRng2
    characters  Dogberry, Borachio, Claudio, Don Pedro, Leonato

scene The second wedding
    description
        The veiled bride is Hero herself. Benedick and Beatrice each deny love until sonnets in
        their own hands are produced; they kiss and everyone dances.
    points      OCType4 PLType4 PLGoal PLSol MCGoal Judgment
    characters  Benedick, Beatrice, Claudio, Hero, Don Pedro, Leonato, Friar Francis

storytelling
    Resolve
        Benedick changes: the sworn bachelor marries, and the Prince's jester sides with Beatrice
        against the Prince's man.
    ResOC
        Beatrice stays herself: as scornful and as loyal at the end as at the start, she never wavers
        in defending Hero.
    Direction
        Benedick needs to start: to start loving, to start taking something in earnest.
    Approach
        Benedick acts: he courts, he challenges, he breaks with his friends.
    Sex
        Benedick reasons everything out; he even argues his way into love, since the world must be
        peopled.
    Work
        Decisions drive the plot: the Prince's choice to woo for Claudio, Don John's choice to slander,
        the Friar's choice to hide Hero.
    Limit
        A week stands between the betrothal and the wedding, and the plots must be done by then.
    Outcome
        The truth is found in time: Hero is cleared and the weddings go ahead.
    Judgment
        Benedick ends in high spirits, married and dancing.
    Nature
        Benedick's dilemma is real: to gain Beatrice he must give up both his pose and his friend.
    Essence
        The comedy feels like reaching for something wished for: love and a wedding.
    Tendency
        Benedick does not want to change; it takes a trick to start him.
    Reach
        The play makes its case through reasoning: evidence, confessions, arguments about marriage.
    STDom
        The overall story is a round of activities: wooing, dancing, eavesdropping, keeping watch,
        a wedding begun and broken off.
    STCon
        Everyone is gathering information, mostly by overhearing it, and much of it false.
    STRng
        The issue is what must come first: what a bride must be, what proof a lover needs, what has
        to happen before a wedding.
    STPbm
        The trouble is certainty: Claudio is certain of what he saw at the window, Benedick certain he
        will never marry, Leonato certain his daughter is shamed.
    STStp
        Things are measured by understanding, by how much of the truth anyone grasps.
    STSol
        What saves the day is seeing potential: the Friar allows that Hero may be innocent and plans
        accordingly.
    STFoc
        People dwell on what is possible: could the Prince be wooing for himself, could Hero be false?
    STDir
        They answer with probabilities: what seems likely is taken as proven.
    STUnRng
        Preconditions speed things along: the wedding is set, and the slander must land before it.
    STCrFl
        Permission holds things back: nobody dares accuse the Prince's brother without proof.
    STType1
        First comes doing: the return from war and the wooing.
    STType2
        Then obtaining: the match is won, and the villains obtain the means to break it.
    STType3
        Then gathering information: the watch overhears, the friends overhear, everyone learns the
        wrong thing or the right one by chance.
    STType4
        Last, understanding: Borachio confesses and everyone sees what happened.
    STGoal
        The goal is to learn the truth about Hero, and about who loves whom.
    STReq
        Understanding is required: someone must grasp what the watch has found.
    STRng2
        Against prerequisites stand preconditions: the conditions each lover sets before they will
        yield.
    MCDom
        Benedick's trouble is his fixed attitude: women are not to be trusted and marriage is a trap.
    MCCon
        Benedick's concern is contemplation: he thinks aloud about women, love and himself.
    MCRng
        Benedick investigates: he looks for signs of love in Beatrice and looks into the charge
        against Hero.
    MCPbm
        Benedick's problem is certainty; he is so sure of himself that he cannot imagine being
        otherwise.
    MCStp
        His growth is measured in memories: he recalls everything Beatrice has said and hears it
        afresh.
    MCSol
        What he needs is to see his own potential: he could be a husband, and a man who defends a
        lady.
    MCFoc
        He watches reactions: how Beatrice looks at him, how his friends laugh.
    MCDir
        He answers by acting first: he shaves, he writes a sonnet, he challenges Claudio.
    MCUnRng
        His doubt is a gift: when all are sure Hero is guilty, he doubts it.
    MCCrFl
        Work undermines him: his duty to the Prince keeps him on the wrong side at first.
    MCType1
        It starts with memories: the old quarrel with Beatrice he brings home from the war.
    MCType2
        Then impulsive responses: in the orchard he falls in love on the spot.
    MCType3
        Then innermost desires: alone in the church he confesses that he loves her.
    MCType4
        Last, contemplation: he weighs his friendship against her trust and decides.
    MCGoal
        What he gains is a mind at peace with itself: a man is a giddy thing, and that is his
        conclusion.
    MCReq
        He is warned by memory: he has seen other men fall in love and become fools.
    MCRng2
        Against investigation stands doubt, which keeps him asking questions.
    OCDom
        Beatrice's impact comes from her situation: a woman who may speak but may not act.
    OCCon
        Beatrice lives in the present; she deals with whatever is in front of her, now.
    OCRng
        Work is her issue: what a man's work is, and that she cannot do it.
    OCPbm
        Beatrice reduces everyone to a jest; she cuts men down to a phrase.
    OCStp
        Her impact is measured by the past: the old grudge between her and Benedick.
    OCSol
        What helps her is producing something: a champion, a vow, a kiss.
    OCFoc
        She focuses on what is possible, and what she might do if she were a man.
    OCDir
        She responds with what is likely: Claudio is a villain and must pay.
    OCUnRng
        Her gift is attempting: she will try anything, and she tries Benedick's love at once.
    OCCrFl
        Her weakness is looking too closely: she searches every man for faults.
    OCType1
        At first she works on the present: jokes at the feast.
    OCType2
        Then on how things are changing: she changes her mind when she overhears.
    OCType3
        Then on the future: she demands what Benedick will do.
    OCType4
        Last on the past: a sonnet she wrote is held up to her.
    OCGoal
        The price of her impact is paid now, in the present: Benedick must break with his friends
        today.
    OCReq
        Her impact requires the past: only their old quarrel makes the gulling work.
    OCRng2
        Against work stands attempt: what she asks Benedick to try, whether or not it can be done.
    PLDom
        Between Benedick and Beatrice everything is manipulation: games, feints, and then their
        friends' tricks.
    PLCon
        The relationship turns on an idea planted in each: that the other is in love.
    PLRng
        The issue is permission: whether each will allow the other, and themselves, to love.
    PLPbm
        Their trouble is evaluation: each has long since judged the other and found them wanting.
    PLStp
        Their progress is measured by the plans laid by their friends.
    PLSol
        They need to re-evaluate, and once each hears the other praised they do.
    PLFoc
        They dwell on what might be: could the other really love them?
    PLDir
        And they conclude from likelihood: it must be true, it was said so seriously.
    PLUnRng
        What each lacks speeds them along: both are lonely under the jokes.
    PLCrFl
        Prerequisites slow them: each waits for the other to speak first.
    PLType1
        The relationship begins as a plan, the Prince's, to make them a match.
    PLType2
        Then each plays a new role, the lover instead of the scoffer.
    PLType3
        Then each changes their nature in the church: the scoffers speak in earnest.
    PLType4
        At last a new idea of themselves: a married pair who will still quarrel.
    PLGoal
        The relationship comes to a new idea of each other, as lovers.
    PLReq
        It first requires a plan: their friends' scheme.
    PLRng2
        Against permission stands deficiency: what each fears the other would find lacking.
